// reelix: the desktop app.
#include "Appearance.h"
#include "ReelixApp.h"
#include "Registration.h"

#include "i18n/Localization.h"
#include "platform/StopSignals.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(ReelixPlugin)

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setOrganizationName(QStringLiteral("Reelix"));
    QGuiApplication::setApplicationName(QStringLiteral("Reelix"));
    QGuiApplication::setApplicationVersion(QStringLiteral(REELIX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("reelix"));
    Appearance::apply();
    Localization::install();

    ReelixApp shell;
    QQmlApplicationEngine engine;
    prepareEngine(engine);
    engine.setInitialProperties({{QStringLiteral("app"), QVariant::fromValue(&shell)}});
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreationFailed, &app,
        [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
    engine.load(QUrl(QStringLiteral("qrc:/Reelix/qml/Main.qml")));
    // Ctrl+C in a terminal or the end of the session closes the app the normal
    // way, so its downloads' tools are stopped with it.
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::received, &app, &QCoreApplication::quit);
    return app.exec();
}
