#pragma once

// What the benchmarks of the app's views share: the platform (offscreen
// unless a display is asked for) and the main view over real models.
#include <QQuickItem>
#include <QQuickView>
#include <QVariantMap>

inline void offscreenUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The main view with these initial properties (checker, manager, store),
// shown at 900×700; its root item.
inline QObject *showContentView(QQuickView &view, const QVariantMap &properties)
{
    view.setInitialProperties(properties);
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.setSource(QUrl(QStringLiteral("qrc:/Reelix/qml/ContentView.qml")));
    view.resize(900, 700);
    view.show();
    return view.rootObject();
}
