#include "Registration.h"

#include "deps/DependencyChecker.h"
#include "engine/DownloadManager.h"

#include <QQmlEngine>

void registerEngineTypes()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const char *uri = "Reelix";
    qmlRegisterUncreatableMetaObject(Download::staticMetaObject, uri, 1, 0, "Download",
                                     QStringLiteral("Download holds enumerations only"));
    qmlRegisterType<DownloadManager>(uri, 1, 0, "DownloadManager");
    qmlRegisterUncreatableType<DownloadItem>(
        uri, 1, 0, "DownloadItem", QStringLiteral("Items are created by DownloadManager"));
    qmlRegisterUncreatableType<DependencyChecker>(uri, 1, 0, "DependencyChecker",
                                                  QStringLiteral("Created by the application"));
    qmlRegisterUncreatableType<Dependency>(uri, 1, 0, "Dependency",
                                           QStringLiteral("Created by DependencyChecker"));
}

void prepareEngine(QQmlEngine &engine)
{
    registerEngineTypes();
    engine.addImportPath(QStringLiteral("qrc:/"));
}
