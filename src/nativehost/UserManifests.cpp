#include "UserManifests.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>

namespace {

const QString kName = QStringLiteral("org.reelix.reelix.json");

bool writeManifest(const QString &templatePath, const QString &folder)
{
    QFile source(templatePath);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QJsonObject manifest = QJsonDocument::fromJson(source.readAll()).object();
    manifest.insert(QStringLiteral("path"), QCoreApplication::applicationFilePath());
    if (!QDir().mkpath(folder))
        return false;
    // Written beside and renamed: a browser never reads half a manifest.
    QSaveFile file(QDir(folder).filePath(kName));
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(manifest).toJson()) > 0 &&
           file.commit();
}

} // namespace

namespace UserManifests {

QStringList write()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString chromium = QStringLiteral(":/nativehost/chromium.json.in");
    const QList<std::pair<QString, QString>> places = {
        {chromium, config + QStringLiteral("/chromium/NativeMessagingHosts")},
        {chromium, config + QStringLiteral("/google-chrome/NativeMessagingHosts")},
        {QStringLiteral(":/nativehost/firefox.json.in"),
         QDir::homePath() + QStringLiteral("/.mozilla/native-messaging-hosts")},
    };
    QStringList written;
    for (const auto &[source, folder] : places) {
        if (!writeManifest(source, folder)) {
            std::fprintf(stderr, "reelix-native-host: could not write %s\n",
                         qPrintable(QDir(folder).filePath(kName)));
            return {};
        }
        written << QDir(folder).filePath(kName);
    }
    return written;
}

} // namespace UserManifests
