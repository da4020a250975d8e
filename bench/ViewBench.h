#pragma once

// What the benchmarks of the app's views share: the platform (offscreen
// unless a display is asked for) and the main view over real models.
#include "PrepareEngine.h"

#include "deps/DependencyChecker.h"

#include <QElapsedTimer>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickView>
#include <QVariantMap>

// Before the application: offscreen unless a display is asked for, and the
// style the app uses.
inline void viewBenchPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickStyle::setStyle(QStringLiteral("Basic"));
}

// The main view with these initial properties, shown at 900×700; its root item.
inline QObject *showContentView(QQuickView &view, const QVariantMap &properties)
{
    view.setInitialProperties(properties);
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.setSource(QUrl(QStringLiteral("qrc:/Reelix/qml/ContentView.qml")));
    view.resize(900, 700);
    view.show();
    return view.rootObject();
}

// The main view over a tool checker of its own and the given models (the
// manager, the store). Made after the models, so that it goes first.
struct MainView
{
    QQmlEngine engine;
    DependencyChecker checker;
    QQuickView view{&engine, nullptr};
    QObject *root = nullptr;

    explicit MainView(QVariantMap models)
    {
        prepareEngine(engine);
        models.insert(QStringLiteral("checker"), QVariant::fromValue(&checker));
        root = showContentView(view, models);
    }
};

// Types `lines` into the view's address box and adds them; the time that
// took on the GUI thread, in ms.
inline double submitAddresses(QObject *root, const QStringList &lines)
{
    root->setProperty("urlText", lines.join(QLatin1Char('\n')));
    QElapsedTimer step;
    step.start();
    QMetaObject::invokeMethod(root, "submitURLs");
    return step.nsecsElapsed() / 1e6;
}
