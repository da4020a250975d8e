#include "fixtures/uiWindow.h"

#include "store/HistoryModel.h"

#include "i18n/Localization.h"

#include <QQmlProperty>

// The mirrored window of a right-to-left language, against the same window
// left to right: rows, menus, preferences and history put their marks and
// their words on the leading side, and values keep their own direction.
class TestMirroring : public UiTest
{
    Q_OBJECT

    // Where `mark` (a box, a switch, an icon) stands against the words `label`
    // shows: "left" or "right" of them, "over" them, or "cut" when not all show.
    static QString sideOf(QQuickItem *mark, QQuickItem *label)
    {
        if (!mark || !label)
            return "missing";
        const qreal left = label->property("leftPadding").toReal();
        const qreal right = label->property("rightPadding").toReal();
        const qreal inked = label->property("contentWidth").toReal();
        if (label->property("truncated").toBool() || inked > label->width() - left - right + 0.5)
            return "cut";
        const bool toRight =
            label->property("effectiveHorizontalAlignment").toInt() == Qt::AlignRight;
        const QRectF words = label->mapRectToScene(
            QRectF(toRight ? label->width() - right - inked : left, 0, inked, label->height()));
        const QRectF box = mark->mapRectToScene(mark->boundingRect());
        if (box.right() <= words.left() + 0.5)
            return "left";
        if (box.left() >= words.right() - 0.5)
            return "right";
        return "over";
    }

    static QString sideOf(QQuickItem *control)
    {
        return control ? sideOf(control->property("indicator").value<QQuickItem *>(),
                                control->property("contentItem").value<QQuickItem *>())
                       : "missing";
    }

    // Opens a popup and gives the item that draws it, once it is open.
    static QQuickItem *openPopup(QObject *popup)
    {
        if (!popup || !QMetaObject::invokeMethod(popup, "open") ||
            !QTest::qWaitFor([&] { return popup->property("opened").toBool(); }))
            return nullptr;
        auto *content = popup->property("contentItem").value<QQuickItem *>();
        return content ? content->parentItem() : nullptr;
    }

    void removeTranslators()
    {
        for (QTranslator *t : qApp->findChildren<QTranslator *>())
            QCoreApplication::removeTranslator(t);
        QLocale::setDefault(QLocale(QLocale::English));
    }

    // The trim dialog's box and the log window's switch sit on the leading
    // side of their labels; off, the switch's knob rests at its leading end.
    static void boxesLead(RealWindow &w, bool rightToLeft)
    {
        QQuickItem *content = w.window->contentItem();
        const int leading = rightToLeft ? Qt::AlignRight : Qt::AlignLeft;
        const auto leads = [&](QQuickItem *mark, QQuickItem *control) {
            const QRectF r = mark->mapRectToItem(control, mark->boundingRect());
            return (r.center().x() > control->width() / 2) == rightToLeft;
        };
        const auto mark = [](QQuickItem *control, const char *name) {
            return control->property(name).value<QQuickItem *>();
        };
        w.app.manager()->insertItem(item(DownloadStatus::Ready));
        QTRY_VERIFY(shown(content, "trimButton"));
        click(*w.window, w.item("trimButton"));
        QTRY_VERIFY(shown(content, "preciseCutBox"));
        QQuickItem *box = w.item("preciseCutBox");
        QVERIFY(leads(mark(box, "indicator"), box));
        QCOMPARE(mark(box, "contentItem")->property("effectiveHorizontalAlignment").toInt(),
                 leading);

        w.app.requestLogWindow();
        QQuickWindow *logs = nullptr;
        for (QWindow *win : QGuiApplication::topLevelWindows())
            if (win->objectName() == "logWindow")
                logs = qobject_cast<QQuickWindow *>(win);
        QVERIFY(logs);
        QQuickItem *toggle = find(logs->contentItem(), "loggingSwitch");
        QTRY_VERIFY(toggle && toggle->isVisible());
        QQuickItem *track = mark(toggle, "indicator");
        QVERIFY(leads(track, toggle));
        // Off, the knob rests at the track's leading end.
        QVERIFY(!toggle->property("checked").toBool());
        QVERIFY(leads(track->childItems().constFirst(), track));
        logs->close();
    }

private slots:
    void initTestCase() { prepareWindowTests(); }
    void cleanup()
    {
        removeTranslators();
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    }

    void rightToLeftMirrors_data()
    {
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("left to right") << false;
        QTest::newRow("right to left") << true;
    }

    void rightToLeftMirrors()
    {
        QFETCH(bool, rightToLeft);
        const auto english = translated(QLocale::English);
        QLocale::setDefault(QLocale(rightToLeft ? "ar_EG" : "en_US"));
        RealWindow w;
        QVERIFY(w.showMain());
        auto *manager = w.view()->property("manager").value<DownloadManager *>();
        QVERIFY(manager);
        manager->insertItem(item(DownloadStatus::Ready));
        DownloadItem *running = item(DownloadStatus::Downloading);
        running->setProgress(0.3);
        manager->insertItem(running);
        QTRY_VERIFY(w.item("thumbnail") && w.item("title") && w.item("progressFill"));
        const auto middle = [&](const QString &name) {
            QQuickItem *i = w.item(name);
            return i->mapToScene(QPointF(i->width() / 2, i->height() / 2)).x();
        };
        // The row reads from the right: its picture first, then its title.
        QTRY_COMPARE(middle("thumbnail") > middle("title"), rightToLeft);
        QCOMPARE(middle("thumbnail") > w.window->width() / 2.0, rightToLeft);
        // An English title starts at the window's leading edge too.
        QCOMPARE(w.item("title")->property("effectiveHorizontalAlignment").toInt(),
                 int(rightToLeft ? Qt::AlignRight : Qt::AlignLeft));
        // Progress fills from the leading edge.
        QQuickItem *fill = w.item("progressFill");
        QTRY_VERIFY(fill->width() > 0);
        const QRectF track = fill->parentItem()->mapRectToScene(fill->parentItem()->boundingRect());
        const QRectF filled = fill->mapRectToScene(fill->boundingRect());
        QCOMPARE(qAbs(filled.right() - track.right()) < 0.5, rightToLeft);
        QCOMPARE(qAbs(filled.left() - track.left()) < 0.5, !rightToLeft);
        // An address reads left to right whatever the language.
        QQuickItem *editor = w.item("addressEditor");
        QCOMPARE(editor->property("effectiveHorizontalAlignment").toInt(), int(Qt::AlignLeft));
        stopAll(manager);
    }

    void languagesOfLayouts_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("English") << "en_US";
        QTest::newRow("Russian") << "ru_RU";
        QTest::newRow("Arabic") << "ar_EG";
    }

    // Every switch and box of the preferences stands at the leading edge of
    // its words (the right in Arabic), none covers them, none is cut.
    void preferencesBoxesLead_data() { languagesOfLayouts_data(); }

    void preferencesBoxesLead()
    {
        QFETCH(QString, locale);
        QVERIFY(Localization::install(QLocale(locale)));
        QLocale::setDefault(QLocale(locale));
        const QString leading = QLocale().textDirection() == Qt::RightToLeft ? "right" : "left";
        RealWindow w;
        QVERIFY(w.showMain());
        QMetaObject::invokeMethod(w.window->findChild<QObject *>("preferencesAction"), "trigger");
        QQuickWindow *prefs = nullptr;
        for (QWindow *top : QGuiApplication::topLevelWindows())
            if (top->objectName() == "preferencesWindow")
                prefs = qobject_cast<QQuickWindow *>(top);
        QVERIFY(prefs && QTest::qWaitForWindowExposed(prefs));
        const auto closing = qScopeGuard([prefs] { prefs->close(); });
        QVERIFY(QQuickTest::qWaitForPolish(prefs));
        QQuickItem *content = prefs->contentItem();
        QList<QQuickItem *> controls{find(content, "autoStartSwitch"),
                                     find(content, "embedMetadataBox"),
                                     find(content, "followTimerBox")};
        for (QQuickItem *i : find(content, "sponsorCategories")->childItems())
            if (i->objectName().startsWith("sponsor."))
                controls << i;
        QVERIFY(!controls.contains(nullptr) && controls.size() > 3);
        for (QQuickItem *control : controls)
            QTRY_VERIFY2(sideOf(control) == leading,
                         qPrintable(control->objectName() + ": " + sideOf(control)));
    }

    // The history's search shows its hint whole, its magnifier before it.
    void historySearchLeads_data() { languagesOfLayouts_data(); }

    void historySearchLeads()
    {
        QFETCH(QString, locale);
        QVERIFY(Localization::install(QLocale(locale)));
        QLocale::setDefault(QLocale(locale));
        const bool rightToLeft = QLocale().textDirection() == Qt::RightToLeft;
        HistoryModel history;
        DownloadManager manager;
        m_view = load("HistoryView", {{"history", QVariant::fromValue(&history)},
                                      {"manager", QVariant::fromValue(&manager)}});
        QVERIFY(m_view);
        const auto closeFirst = qScopeGuard([this] { m_view.reset(); }); // before its models
        QQuickItem *root = m_view->rootObject();
        // As the window mirrors every view in a right-to-left language.
        QQmlContext *context = qmlContext(root);
        QQmlProperty(root, "LayoutMirroring.childrenInherit", context).write(true);
        QQmlProperty(root, "LayoutMirroring.enabled", context).write(rightToLeft);
        QVERIFY(QQuickTest::qWaitForPolish(m_view.get()));
        QQuickItem *hint = find(root, "historySearchHint");
        QVERIFY(hint && hint->isVisible());
        QCOMPARE(hint->property("text").toString(), qtTrId("history.search"));
        QQuickItem *field = find(root, "historySearch");
        // Text and TextInput bound their letters; the room is their size.
        const auto room = [](QQuickItem *i) {
            return i->mapRectToScene(QRectF(0, 0, i->width(), i->height()));
        };
        QVERIFY(room(field).contains(room(hint)));
        QCOMPARE(sideOf(find(root, "historySearchIcon"), hint), rightToLeft ? "right" : "left");
    }

    // The menus of a ready row mirror: the chevron at the trailing end, the
    // popups on the menu's leading edge, every entry and check line starting
    // at the leading edge whatever the script of its text.
    void rightToLeftMenus_data() { rightToLeftMirrors_data(); }

    void rightToLeftMenus()
    {
        QFETCH(bool, rightToLeft);
        const auto english = translated(QLocale::English);
        QLocale::setDefault(QLocale(rightToLeft ? "ar_EG" : "en_US"));
        RealWindow w;
        QVERIFY(w.showMain());
        DownloadItem *ready = item(DownloadStatus::Ready);
        ready->setFormats({{"137", "1080p", 1080, 0}});
        ready->setTracks({}, {{"fr", "Français", false, false}});
        w.app.manager()->insertItem(ready);
        QTRY_VERIFY(w.item("formatMenu") && w.item("subtitleMenu"));
        const auto middle = [](QQuickItem *i) { return i->mapToScene({i->width() / 2, 0}).x(); };
        const int leading = int(rightToLeft ? Qt::AlignRight : Qt::AlignLeft);
        for (const QString name : {"formatMenu", "subtitleMenu"}) {
            QQuickItem *menu = w.item(name);
            QCOMPARE(middle(find(menu, "menuChevron")) < middle(menu), rightToLeft);
        }
        QQuickItem *menu = w.item("formatMenu");
        QQuickItem *box = openPopup(menu->property("popup").value<QObject *>());
        QVERIFY(box);
        const QRectF m = menu->mapRectToScene(menu->boundingRect());
        const QRectF p = box->mapRectToScene(box->boundingRect());
        QVERIFY(qAbs(rightToLeft ? p.right() - m.right() : p.left() - m.left()) < 0.5);
        QTRY_COMPARE(ViewProbe::findAll(box, "menuEntryText").size(), 2); // best, 1080p
        for (QQuickItem *entry : ViewProbe::findAll(box, "menuEntryText"))
            QCOMPARE(entry->property("effectiveHorizontalAlignment").toInt(), leading);
        QMetaObject::invokeMethod(menu->property("popup").value<QObject *>(), "close");

        click(*w.window, w.item("subtitleMenu"));
        QTRY_VERIFY(w.item("subtitlesInside") && w.item("subtitle.uploader.fr"));
        const auto alignment = [](QQuickItem *i) {
            return i->property("effectiveHorizontalAlignment").toInt();
        };
        QCOMPARE(alignment(w.item("subtitleHeading.uploader")), leading);
        for (const QString name : {"subtitlesInside", "subtitle.uploader.fr"}) {
            QQuickItem *check = w.item(name);
            QQuickItem *square = check->property("indicator").value<QQuickItem *>();
            QCOMPARE(middle(square) > middle(check), rightToLeft);
            QCOMPARE(alignment(check->property("contentItem").value<QQuickItem *>()), leading);
        }
        stopAll(w.app.manager());
    }

    // The dialogs of a mirrored window read from its right too: a box or a
    // switch before its label, a browser's or a folder's Latin name beside
    // its mark, a path one left-to-right piece.
    void dialogsMirror_data() { rightToLeftMirrors_data(); }

    void dialogsMirror()
    {
        QFETCH(bool, rightToLeft);
        const auto english = translated(QLocale::English);
        QLocale::setDefault(QLocale(rightToLeft ? "ar_EG" : "en_US"));
        writeText(TestHome::path() + "/.mozilla/firefox/a.default/cookies.sqlite", "");
        RealWindow w;
        QVERIFY(w.showMain());
        QQuickItem *content = w.window->contentItem();
        const int leading = rightToLeft ? Qt::AlignRight : Qt::AlignLeft;
        const auto starts = [&](QQuickItem *text) {
            return text->property("effectiveHorizontalAlignment").toInt() == leading;
        };

        QMetaObject::invokeMethod(w.window->findChild<QObject *>("cookieDialog"), "open");
        const auto names = [&] {
            QStringList shownNames;
            for (QQuickItem *name : ViewProbe::findAll(content, "cookieChoiceText"))
                if (name->isVisible() && starts(name))
                    shownNames << name->property("text").toString();
            return shownNames;
        };
        QTRY_VERIFY2(names().contains("Firefox"), qPrintable(names().join(", ")));
        QMetaObject::invokeMethod(w.window->findChild<QObject *>("cookieDialog"), "close");

        QDir().mkpath(w.app.manager()->downloadFolder() + "/Concerts");
        QMetaObject::invokeMethod(w.view()->findChild<QObject *>("folderPicker"), "open");
        // The window holds a second picker, closed: look in the open one.
        const auto folderNames = [&] {
            QStringList names;
            for (QQuickItem *name : ViewProbe::findAll(content, "folderName"))
                if (name->property("text") == "Concerts" && starts(name))
                    names << name->property("text").toString();
            return names;
        };
        QTRY_COMPARE(folderNames(), QStringList{"Concerts"});
        QVERIFY(starts(find(content, "pickerPath")));
        QVERIFY(text(content, "pickerPath").startsWith(QChar(0x2066)));
        QMetaObject::invokeMethod(w.view()->findChild<QObject *>("folderPicker"), "close");

        boxesLead(w, rightToLeft);
        stopAll(w.app.manager());
    }
};

REELIX_GUI_TEST_MAIN(TestMirroring)
#include "tst_mirroring.moc"
