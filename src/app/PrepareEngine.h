#pragma once

class QQmlEngine;
// Lets `import Reelix` find the module compiled into the binary, wherever
// the binary runs from.
void prepareEngine(QQmlEngine &engine);
