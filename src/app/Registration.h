#pragma once

// Makes the engine's types (downloads, tools) known to QML under "Reelix";
// the app's own types register themselves through the QML module.
void registerEngineTypes();

class QQmlEngine;
// Lets `import Reelix` find the module compiled into the binary, wherever
// the binary runs from.
void prepareEngine(QQmlEngine &engine);
