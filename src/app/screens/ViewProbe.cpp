#include "screens/ViewProbe.h"

#include "PrepareEngine.h"
#include "ReelixApp.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>

namespace ViewProbe {

namespace {
void collect(QQuickItem *item, const QString &name, QList<QQuickItem *> &found)
{
    if (item->objectName() == name)
        found << item;
    for (QQuickItem *child : item->childItems())
        collect(child, name, found);
}
} // namespace

QList<QQuickItem *> findAll(QQuickItem *root, const QString &name)
{
    QList<QQuickItem *> found;
    collect(root, name, found);
    return found;
}

QQuickItem *find(QQuickItem *root, const QString &name)
{
    const QList<QQuickItem *> found = findAll(root, name);
    for (QQuickItem *item : found)
        if (item->isVisible())
            return item;
    return found.value(0);
}

bool shown(QQuickItem *root, const QString &name)
{
    QQuickItem *item = find(root, name);
    return item && item->isVisible() && item->opacity() > 0;
}

std::unique_ptr<QQuickView> load(QQmlEngine &engine, const QString &component,
                                 const QVariantMap &properties, QSize size)
{
    auto view = std::make_unique<QQuickView>(&engine, nullptr);
    view->setInitialProperties(properties);
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    view->setSource(QUrl(QStringLiteral("qrc:/Reelix/qml/") + component + QStringLiteral(".qml")));
    if (view->status() != QQuickView::Ready) {
        for (const auto &e : view->errors())
            qWarning().noquote() << e.toString();
        return nullptr;
    }
    view->resize(size);
    view->show();
    return view;
}

QQuickWindow *openMain(QQmlApplicationEngine &engine, ReelixApp &app)
{
    prepareEngine(engine);
    engine.setInitialProperties({{QStringLiteral("app"), QVariant::fromValue(&app)}});
    engine.load(QUrl(QStringLiteral("qrc:/Reelix/qml/Main.qml")));
    return qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
}

QQuickItem *currentView(QQuickWindow *window)
{
    QObject *loader = window->findChild<QObject *>(QStringLiteral("rootView"));
    return loader ? loader->property("item").value<QQuickItem *>() : nullptr;
}

} // namespace ViewProbe
