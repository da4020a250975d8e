#include "PrepareEngine.h"

#include <QQmlEngine>

void prepareEngine(QQmlEngine &engine)
{
    engine.addImportPath(QStringLiteral("qrc:/"));
}
