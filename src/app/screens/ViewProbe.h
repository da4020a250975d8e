#pragma once

#include <QQuickView>
#include <QVariantMap>

#include <memory>

class QQmlApplicationEngine;
class QQmlEngine;
class QQuickItem;
class QQuickWindow;
class ReelixApp;

// Reads the views from outside, by objectName, for the UI tests and the
// screenshot tool.
namespace ViewProbe {

// The item named `name` under `root`, a shown one first: list delegates are
// in the visual tree only, and hidden copies may share the name.
QQuickItem *find(QQuickItem *root, const QString &name);

// Every item named `name` under `root`, in the visual tree.
QList<QQuickItem *> findAll(QQuickItem *root, const QString &name);

// Whether the named item exists and can be seen.
bool shown(QQuickItem *root, const QString &name);

// qrc:/Reelix/qml/<component>.qml in a shown view of `size`, with
// `properties` set before creation; null, with the errors logged, if it does
// not load.
std::unique_ptr<QQuickView> load(QQmlEngine &engine, const QString &component,
                                 const QVariantMap &properties, QSize size);

// The real window, Main.qml with its menu bar over `app`, as the app shows
// it; null, with the errors logged, if it does not load.
QQuickWindow *openMain(QQmlApplicationEngine &engine, ReelixApp &app);

// The view the window shows now (placeholder, setup or downloads).
QQuickItem *currentView(QQuickWindow *window);

} // namespace ViewProbe
