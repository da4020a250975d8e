// reelix: the desktop app.
#include "Appearance.h"
#include "InstanceGate.h"
#include "PrepareEngine.h"
#include "ReelixApp.h"

#include "i18n/Localization.h"
#include "platform/StopSignals.h"
#include "platform/UserDefaults.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QtQml/qqmlextensionplugin.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

Q_IMPORT_QML_PLUGIN(ReelixPlugin)

namespace {

// --help and --version answer before any window (or display) is needed;
// after "--" every word is an address, even one spelled like an option.
std::optional<int> answerCommandLine(int argc, char *argv[])
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("reelix %s\n", REELIX_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("usage: reelix [--help] [--version] [ADDRESS...]\n\n"
                        "Downloads video and audio from web pages with yt-dlp and ffmpeg.\n"
                        "Addresses are added to the list; when Reelix is already running\n"
                        "they go to its window. From a terminal or a script, use reelix-cli.\n");
            return 0;
        }
    }
    return std::nullopt;
}

// The addresses given on the command line (what Qt left of it): every word
// after "--", and the words before it that are not options.
QStringList commandLineAddresses()
{
    QStringList addresses;
    bool optionsEnded = false;
    for (const QString &word : QCoreApplication::arguments().mid(1)) {
        if (!optionsEnded && word == QLatin1String("--"))
            optionsEnded = true;
        else if (optionsEnded || !word.startsWith(QLatin1Char('-')))
            addresses << word;
    }
    return addresses;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const auto answered = answerCommandLine(argc, argv))
        return *answered;
    QGuiApplication app(argc, argv);
    QGuiApplication::setOrganizationName(QStringLiteral("Reelix"));
    QGuiApplication::setApplicationName(QStringLiteral("Reelix"));
    QGuiApplication::setApplicationVersion(QStringLiteral(REELIX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.reelix.Reelix"));
    Appearance::apply();
    // The language chosen in the preferences takes effect here, at start.
    Localization::installChosen(UserDefaults::value(QStringLiteral("language")).toString());
    QGuiApplication::setLayoutDirection(QLocale().textDirection());

    const QStringList addresses = commandLineAddresses();
    InstanceGate gate;
    std::unique_ptr<QueueStore> store;
    if (const auto ended = gate.settle(addresses, store))
        return *ended;

    ReelixApp shell({}, store.get());
    shell.addAddresses(addresses);
    QObject::connect(&gate, &InstanceGate::addressesReceived, &shell,
                     [&shell](const QStringList &a) {
                         shell.addAddresses(a);
                         emit shell.raiseRequested();
                     });
    QObject::connect(&gate, &InstanceGate::addressesReceivedAs, &shell,
                     [&shell](const QStringList &a, const QString &format) {
                         shell.addAddresses(a, format);
                         emit shell.raiseRequested();
                     });
    QQmlApplicationEngine engine;
    prepareEngine(engine);
    engine.setInitialProperties({{QStringLiteral("app"), QVariant::fromValue(&shell)}});
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreationFailed, &app,
        [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
    engine.load(QUrl(QStringLiteral("qrc:/Reelix/qml/Main.qml")));
    // Ctrl+C in a terminal or the end of the session closes the app the normal
    // way, so its downloads' tools are stopped with it. A signal is not the
    // user: it ends the app without the quit question that closing a window
    // asks while downloads run (quit() would ask the windows first).
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::received, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}
