#include "Registration.h"

#include <QQmlEngine>

void prepareEngine(QQmlEngine &engine)
{
    engine.addImportPath(QStringLiteral("qrc:/"));
}
