#include "fixtures/uiWindow.h"

#include "engine/MediaPresets.h"

#include <QQmlContext>
#include <QQmlProperty>

// The file choices of a ready row and of the preferences: what each menu
// offers and that a choice lands in the item's choices or the defaults.
class TestUiMedia : public UiTest
{
    Q_OBJECT

    // A row tall enough for its menus' popups.
    std::unique_ptr<QQuickView> row(DownloadManager &manager, DownloadItem *item)
    {
        manager.insertItem(item);
        return load(
            "DownloadRow",
            {{"item", QVariant::fromValue(item)}, {"manager", QVariant::fromValue(&manager)}},
            {1000, 600});
    }

    // Chooses the menu's entry at `index` as a click on it does.
    static void choose(QQuickItem *menu, int index)
    {
        QVERIFY(menu);
        menu->setProperty("currentIndex", index);
        QMetaObject::invokeMethod(menu, "activated", Q_ARG(int, index));
    }

    static QStringList labels(QQuickItem *menu)
    {
        QStringList all;
        for (int i = 0; i < menu->property("count").toInt(); ++i) {
            QString label;
            QMetaObject::invokeMethod(menu, "textAt", Q_RETURN_ARG(QString, label), Q_ARG(int, i));
            all << label;
        }
        return all;
    }

    static AudioTrack track(const QString &language, bool original = false, bool described = false)
    {
        return {"a-" + language, language, "", original, described, "opus", 128};
    }

private slots:
    void initTestCase()
    {
        Localization::install(QLocale(QLocale::English));
        prepareWindowTests();
    }
    void init() { UserDefaults::remove("mediaDefaults"); }

    // The track menu shows only where there is a choice; its names are the
    // languages', the original marked, and a choice is the item's.
    void audioTrackMenu_data()
    {
        QTest::addColumn<QList<AudioTrack>>("tracks");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("none") << QList<AudioTrack>() << QStringList();
        QTest::newRow("one") << QList<AudioTrack>{track("en", true)} << QStringList();
        QTest::newRow("dubbed") << QList<AudioTrack>{track("de"), track("en", true),
                                                     track("en", false, true)}
                                << QStringList{"Deutsch", "American English (original)",
                                               "American English, audio description"};
    }

    void audioTrackMenu()
    {
        QFETCH(QList<AudioTrack>, tracks);
        QFETCH(QStringList, names);
        DownloadManager manager;
        DownloadItem *it = item(DownloadStatus::Ready);
        it->setTracks(tracks, {});
        auto view = row(manager, it);
        QVERIFY(view);
        QQuickItem *menu = find(view->rootObject(), "audioTrackMenu");
        QVERIFY(menu);
        QCOMPARE(menu->isVisible(), !names.isEmpty());
        if (names.isEmpty())
            return;
        QCOMPARE(labels(menu), names);
        QCOMPARE(menu->property("currentIndex").toInt(), 1); // the original, as new items take
        choose(menu, 0);
        QCOMPARE(it->choices().audioLanguage, QString("de"));
        choose(menu, 1);
        QCOMPARE(it->choices().audioLanguage, QString());
    }

    // A menu's popup shows every entry whole: as wide as the widest, at
    // least the menu's width, and inside the window, where an entry wraps.
    void popupShowsEveryEntryWhole_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("windowWidth");
        QTest::addColumn<QString>("locale");
        QTest::newRow("presets") << "presetMenu" << 1000 << "en_US";
        QTest::newRow("presets, narrow window") << "presetMenu" << 240 << "en_US";
        QTest::newRow("audio tracks") << "audioTrackMenu" << 1000 << "en_US";
        // Arabic around a language's English name.
        QTest::newRow("audio tracks, Arabic") << "audioTrackMenu" << 1000 << "ar_EG";
    }

    void popupShowsEveryEntryWhole()
    {
        QFETCH(QString, menu);
        QFETCH(int, windowWidth);
        QFETCH(QString, locale);
        Localization::install(QLocale(locale));
        const auto english = qScopeGuard([] { Localization::install(QLocale(QLocale::English)); });
        DownloadManager manager;
        DownloadItem *it = item(DownloadStatus::Ready);
        it->setTracks({track("en", true), track("de"), track("en", false, true)}, {});
        manager.insertItem(it);
        auto view =
            load("DownloadRow",
                 {{"item", QVariant::fromValue(it)}, {"manager", QVariant::fromValue(&manager)}},
                 {windowWidth, 600});
        QVERIFY(view);
        QQuickItem *control = find(view->rootObject(), menu);
        QVERIFY(control);
        auto *popup = control->property("popup").value<QObject *>();
        QMetaObject::invokeMethod(popup, "open");
        QTRY_VERIFY(popup->property("opened").toBool());
        QQuickItem *box = popup->property("contentItem").value<QQuickItem *>()->parentItem();
        QVERIFY(QQuickTest::qWaitForPolish(view.get()));
        const QRectF shown = box->mapRectToScene(box->boundingRect());
        QVERIFY2(shown.left() >= 0 && shown.right() <= windowWidth,
                 qPrintable(QString::number(shown.right())));
        QVERIFY(shown.width() >= qMin(control->width(), windowWidth - 16.0));
        const QList<QQuickItem *> entries = ViewProbe::findAll(box, "menuEntryText");
        QCOMPARE(entries.size(), control->property("count").toInt());
        bool wrapped = false;
        for (QQuickItem *entry : entries) {
            const QString said = entry->property("text").toString();
            QVERIFY2(entry->property("contentHeight").toReal() <= entry->height() + 0.5,
                     qPrintable(said));
            QVERIFY2(entry->mapRectToScene(entry->boundingRect()).right() <= shown.right(),
                     qPrintable(said));
            wrapped |= entry->property("lineCount").toInt() > 1;
        }
        // Only a window too narrow for the widest entry wraps it.
        QCOMPARE(wrapped, windowWidth < 300);
    }

    // The browser chooser of a row at a sign-in wall opens inside the
    // window and beside its chevron: below it, or above where the window
    // ends first, moved back from the window's edge.
    void browserChooserStaysInside_data()
    {
        QTest::addColumn<bool>("atBottomRight");
        QTest::addColumn<bool>("mirrored");
        QTest::newRow("top left") << false << false;
        QTest::newRow("bottom right") << true << false;
        QTest::newRow("bottom right, mirrored") << true << true;
    }

    void browserChooserStaysInside()
    {
        QFETCH(bool, atBottomRight);
        QFETCH(bool, mirrored);
        writeText(TestHome::path() + "/.mozilla/firefox/a.default/cookies.sqlite", "");
        writeText(TestHome::path() + "/.config/chromium/Default/Cookies", "");
        QVERIFY(load("CookieSetting", {}, {460, 300})); // finds the browsers again
        DownloadManager manager;
        auto *failed = new DownloadItem("http://127.0.0.1:9/signin", DownloadFormat::Video);
        failed->setStatus(DownloadStatus::Error);
        failed->setErrorMessage("signed in", Failure::Kind::NeedsSignIn);
        manager.insertItem(failed);
        const QSize size(500, 300);
        auto view = load(
            "SignInButton",
            {{"download", QVariant::fromValue(failed)}, {"manager", QVariant::fromValue(&manager)}},
            size);
        QVERIFY(view);
        QQuickItem *offer = view->rootObject();
        QQmlProperty(offer, "LayoutMirroring.enabled", qmlContext(offer)).write(mirrored);
        QQuickItem *chevron = find(offer, "signInChooser");
        QTRY_VERIFY(chevron && chevron->isVisible());
        offer->setSize({offer->implicitWidth(), offer->implicitHeight()});
        offer->setPosition(atBottomRight ? QPointF(size.width() - offer->width() - 2,
                                                   size.height() - offer->height() - 2)
                                         : QPointF(2, 2));
        click(*view, chevron);
        auto *chooser = offer->findChild<QObject *>("signInBrowsers");
        QTRY_VERIFY(chooser && chooser->property("opened").toBool());
        QQuickItem *box = chooser->property("contentItem").value<QQuickItem *>()->parentItem();
        const QRectF shown = box->mapRectToScene(box->boundingRect());
        const QRectF button = chevron->mapRectToScene(chevron->boundingRect());
        QVERIFY(QRectF(QPointF(), size).contains(shown));
        QVERIFY(!shown.intersects(button));
        QCOMPARE(shown.top() > button.bottom(), !atBottomRight);
    }

    // The uploader's subtitles come first under their heading, then the
    // automatic captions, then their translations; checks and the place land
    // in the item's choices.
    void subtitleMenu()
    {
        DownloadManager manager;
        DownloadItem *it = item(DownloadStatus::Ready);
        it->setTracks({}, {{"fr", "Français", false, false},
                           {"en", "English", true, false},
                           {"de", "German", true, true},
                           {"en", "English", false, false}});
        auto view = row(manager, it);
        QVERIFY(view);
        QQuickItem *root = view->rootObject();
        click(*view, find(root, "subtitleMenu"));
        const QStringList order{"subtitleHeading.uploader", "subtitle.uploader.fr",
                                "subtitle.uploader.en",     "subtitleHeading.automatic",
                                "subtitle.automatic.en",    "subtitleHeading.translated",
                                "subtitle.translated.de"};
        QTRY_VERIFY(find(view->contentItem(), order.last()));
        qreal above = -1;
        for (const QString &name : order) {
            QQuickItem *line = find(view->contentItem(), name);
            QVERIFY2(line, qPrintable(name));
            const qreal y = line->mapToScene({0, 0}).y();
            QVERIFY2(y > above, qPrintable(name));
            above = y;
        }
        click(*view, find(view->contentItem(), "subtitle.automatic.en"));
        QCOMPARE(it->choices().subtitleLanguages, QStringList{"en"});
        click(*view, find(view->contentItem(), "subtitlesInside"));
        QCOMPARE(it->choices().subtitleLanguages, QStringList{"en"});
        QVERIFY(it->choices().embedSubtitles);
        QTRY_COMPARE(find(root, "subtitleMenu")->property("text").toString(),
                     QString("Subtitles: en"));
    }

    // A preset gives the item its choices; a choice made by hand after it
    // no longer names it.
    void presetSetsChoices()
    {
        DownloadManager manager;
        DownloadItem *it = item(DownloadStatus::Ready, DownloadFormat::Audio);
        auto view = row(manager, it);
        QVERIFY(view);
        QQuickItem *root = view->rootObject();
        QQuickItem *presets = find(root, "presetMenu");
        QVERIFY(presets);
        QCOMPARE(labels(presets).mid(1, 3),
                 (QStringList{"Podcast: Opus 96 kbit/s", "Music: M4A, as the source",
                              "Archive: MKV, all tracks and subtitles"}));
        choose(presets, 1);
        QCOMPARE(it->choices(), MediaPresets::find("podcast")->choices);
        QCOMPARE(find(root, "fileFormatMenu")->property("currentText").toString(), QString("Opus"));
        QTRY_COMPARE(find(root, "audioQualityMenu")->property("currentText").toString(),
                     QString("96 kbit/s"));
        choose(find(root, "fileFormatMenu"), 3); // FLAC, which has no bitrate
        QCOMPARE(it->choices().audioCodec, Media::AudioCodec::Flac);
        QCOMPARE(it->choices().preset, QString());
        QTRY_VERIFY(!find(root, "audioQualityMenu")->isVisible());
        QCOMPARE(presets->property("currentIndex").toInt(), 0);
    }

    // The preferences' choices, a preset chosen there or saved from them,
    // reach the next item added; a saved preset can be deleted.
    void defaultsReachNewItems()
    {
        auto view = load("MediaDefaults", {}, {700, 300});
        QVERIFY(view);
        QQuickItem *root = view->rootObject();
        DownloadManager manager;
        const auto added = [&] {
            manager.addDownload("https://example.org/v/" +
                                    QString::number(manager.downloads().size()),
                                DownloadFormat::Video);
            stopAll(&manager);
            return manager.downloads().last()->choices();
        };
        choose(find(root, "defaultPresetMenu"), 3);
        QCOMPARE(added(), MediaPresets::find("archive")->choices);
        choose(find(root, "defaultContainerMenu"), 2);
        QCOMPARE(added().container, Media::Container::Webm);
        QVERIFY(added().allAudioTracks); // the rest of the preset stays
        QCOMPARE(added().preset, QString());

        QQuickItem *name = find(root, "presetNameField");
        name->setProperty("text", "Web archive");
        click(*view, find(root, "savePresetButton"));
        QCOMPARE(added().preset, QString("Web archive"));
        QCOMPARE(MediaPresets::find("web archive")->choices.container, Media::Container::Webm);
        click(*view, find(root, "deletePresetButton"));
        QVERIFY(!MediaPresets::find("Web archive"));
        QCOMPARE(added().preset, QString());
        QCOMPARE(added().container, Media::Container::Webm);
    }

    // Rows whose menus wrap to a second line, added to the list of a narrow
    // window one after the other: each row takes its whole height, so none
    // covers another's menus, and each ends fully shown.
    void wrappedRowsKeepTheirHeight()
    {
        RealWindow w;
        QVERIFY(w.showMain());
        w.window->resize(760, 700);
        for (const int n : {1, 2, 3}) {
            auto *ready = new DownloadItem("https://example.org/v/" + QString::number(n),
                                           DownloadFormat::Video);
            ready->setStatus(DownloadStatus::Ready);
            ready->setTracks({track("de"), track("en", true)}, {});
            w.app.manager()->insertItem(ready);
        }
        QQuickItem *list = w.item("downloadList");
        QVERIFY(list);
        const auto rows = [&] { return ViewProbe::findAll(list, "downloadRow"); };
        QTRY_COMPARE(rows().size(), 3);
        const auto settled = [&] {
            QList<QRectF> boxes;
            for (QQuickItem *r : rows()) {
                if (r->parentItem()->parentItem()->opacity() < 1) // the list's slot
                    return false;
                boxes << r->mapRectToScene(r->boundingRect());
            }
            std::sort(boxes.begin(), boxes.end(),
                      [](const QRectF &a, const QRectF &b) { return a.top() < b.top(); });
            for (qsizetype i = 1; i < boxes.size(); ++i)
                if (boxes[i].top() < boxes[i - 1].bottom())
                    return false;
            return true;
        };
        // Two lines of menus: the row is taller than one line of them.
        QQuickItem *bar = find(list, "mediaChoices");
        QTRY_VERIFY(bar && bar->height() > 2 * find(bar, "presetMenu")->height());
        QTRY_VERIFY(settled());
    }
};

REELIX_GUI_TEST_MAIN(TestUiMedia)
#include "tst_ui_media.moc"
