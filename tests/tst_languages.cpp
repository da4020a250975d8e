#include "fixtures/EngineHarness.h"
#include "fixtures/uiWindow.h"

#include "Preferences.h"

#include "i18n/Localization.h"
#include "i18n/PseudoTranslator.h"

#include <QXmlStreamReader>

// The interface language: which table a locale gets, the pseudo-language,
// the choice in the preferences (the command line follows it too) and the
// mirrored window of a right-to-left language.
class TestLanguages : public UiTest
{
    Q_OBJECT

    // The translation of `id` in reelix_<code>.ts, as a translator wrote it.
    static QString tableText(const QString &code, const QString &id)
    {
        QFile file(QStringLiteral(REELIX_TEST_SOURCE "/../src/i18n/reelix_%1.ts").arg(code));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QXmlStreamReader xml(&file);
        while (xml.readNextStartElement() || !xml.atEnd()) {
            if (xml.isStartElement() && xml.name() == u"message" &&
                xml.attributes().value("id") == id) {
                while (xml.readNextStartElement())
                    if (xml.name() == u"translation")
                        return xml.readElementText();
                    else
                        xml.skipCurrentElement();
            }
            if (!xml.isStartElement())
                xml.readNext();
        }
        return {};
    }

    // The table a language falls back to when it has none of its own.
    static QString tableFor(const QString &code)
    {
        return Localization::available().contains(code) ? code : QStringLiteral("en");
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
        UserDefaults::remove("language");
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    }

    void tableOfLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("table");
        QTest::newRow("French of Canada") << "fr_CA"
                                          << "fr";
        QTest::newRow("English of Britain") << "en_GB"
                                            << "en";
        QTest::newRow("Brazilian Portuguese") << "pt_BR" << tableFor("pt_BR");
        QTest::newRow("Simplified Chinese") << "zh_CN" << tableFor("zh_CN");
        QTest::newRow("Swahili, no table") << "sw_KE"
                                           << "en";
    }

    void tableOfLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, table);
        QVERIFY(Localization::install(QLocale(locale)));
        QCOMPARE(qtTrId("menu.quit"), tableText(table, "menu.quit"));
        QVERIFY(!qtTrId("menu.quit").isEmpty());
    }

    void rightToLeftIsolatesValues_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("isolated");
        QTest::newRow("Arabic") << "ar_EG" << true;
        QTest::newRow("Hebrew, no table") << "he_IL" << true;
        QTest::newRow("French") << "fr_FR" << false;
    }

    void rightToLeftIsolatesValues()
    {
        QFETCH(QString, locale);
        QFETCH(bool, isolated);
        QVERIFY(Localization::install(QLocale(locale)));
        const QString path = "/home/a/clip.mp4";
        const QString text = qtTrId("trim.file").arg(path);
        const QString inside = QString(QChar(0x2068)) + path + QChar(0x2069);
        QVERIFY2(text.contains(inside) == isolated, qPrintable(text));
        QVERIFY2(text.contains(path), qPrintable(text));
        // A unit written onto the number stays with it: "720p", not "p720".
        const QString height = qtTrId("playlist.quality_cap").arg(720);
        const QString whole = QString(QChar(0x2068)) + "720p" + QChar(0x2069);
        QVERIFY2(height.contains(whole) == isolated, qPrintable(height));
    }

    void chosenLanguage_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("decimal");
        QTest::newRow("French over an English system") << "fr"
                                                       << "fr"
                                                       << ",";
        QTest::newRow("English") << "en"
                                 << "en"
                                 << ".";
        QTest::newRow("not a language built in") << "xx"
                                                 << "en"
                                                 << ".";
    }

    void chosenLanguage()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, table);
        QFETCH(QString, decimal);
        QLocale::setDefault(QLocale(QLocale::English));
        QVERIFY(Localization::installChosen(chosen));
        QCOMPARE(qtTrId("menu.quit"), tableText(table, "menu.quit"));
        // Numbers follow the language chosen, not only its texts.
        QCOMPARE(QLocale().toString(1.5, 'f', 1), "1" + decimal + "5");
    }

    void pseudoKeepsWhatTheTextNeeds_data()
    {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("placeholders") << "%1 of %2, %L3 left" << QStringList{"%1", "%2", "%L3"};
        QTest::newRow("plural") << "%n lines" << QStringList{"%n"};
        QTest::newRow("mnemonic") << "&File" << QStringList{"&"};
        QTest::newRow("tags and entities")
            << "<b>Done</b> &amp; gone" << QStringList{"<b>", "</b>", "&amp;"};
        QTest::newRow("percent sign") << "%1%" << QStringList{"%1%"};
    }

    void pseudoKeepsWhatTheTextNeeds()
    {
        QFETCH(QString, english);
        QFETCH(QStringList, kept);
        const QString pseudo = PseudoTranslator::decorate(english);
        QVERIFY2(pseudo.startsWith('[') && pseudo.endsWith(']'), qPrintable(pseudo));
        QVERIFY2(pseudo.size() >= english.size() * 1.4, qPrintable(pseudo));
        for (const QString &k : kept)
            QVERIFY2(pseudo.contains(k), qPrintable(pseudo + " lost " + k));
        // Every plain letter is accented: none of the English words is left.
        static const QRegularExpression word("(?<![%<&/])\\b[A-Za-z]{2,}\\b");
        QVERIFY2(!word.match(pseudo).hasMatch(), qPrintable(pseudo));
    }

    void pseudoLanguageInstalled()
    {
        QVERIFY(Localization::installChosen(Localization::kPseudo));
        QCOMPARE(qtTrId("menu.quit"), PseudoTranslator::decorate(tableText("en", "menu.quit")));
        // A plural still counts: %n is filled in after the decoration.
        const QString plural = qtTrId("input.not_addresses", 3);
        QVERIFY2(plural.startsWith("[3 ") && plural.endsWith("~]"), qPrintable(plural));
    }

    void languageChoices()
    {
        const QVariantList choices = Preferences::languages();
        QCOMPARE(choices.first().toMap().value("code").toString(), QString());
        QStringList codes, labels;
        for (const QVariant &c : choices) {
            codes << c.toMap().value("code").toString();
            labels << c.toMap().value("label").toString();
        }
        for (const QString &code : Localization::available())
            QVERIFY2(codes.contains(code), qPrintable(code));
        QCOMPARE(labels.at(codes.indexOf("fr")), "Français");
        QCOMPARE(codes.contains(Localization::kPseudo), Localization::pseudoOffered());
        Preferences prefs;
        QSignalSpy changed(&prefs, &Preferences::changed);
        prefs.setLanguage("fr");
        QCOMPARE(changed.size(), 1);
        QCOMPARE(UserDefaults::value("language").toString(), "fr");
        prefs.setLanguage({});
        QVERIFY(!UserDefaults::value("language").isValid());
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

    void commandLineFollowsTheChoice_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("table");
        QTest::newRow("system French") << ""
                                       << "fr"
                                       << "fr";
        QTest::newRow("French chosen, English system") << "fr"
                                                       << "en"
                                                       << "fr";
        QTest::newRow("English chosen, French system") << "en"
                                                       << "fr"
                                                       << "en";
    }

    void commandLineFollowsTheChoice()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, system);
        QFETCH(QString, table);
        if (!chosen.isEmpty())
            UserDefaults::setValue("language", chosen);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LANGUAGE", system);
        env.insert("LC_ALL", system == "fr" ? "fr_FR.UTF-8" : "C.UTF-8");
        const QString folder = QDir::tempPath() + "/reelix-languages-cli";
        const Harness::CliRun run =
            Harness::runCli({"download", "--folder", folder, "not an address"}, {}, env);
        const QString said = QString::fromUtf8(run.out) + run.err;
        QVERIFY2(said.contains(tableText(table, "cli.no_address")), qPrintable(said));
    }
};

REELIX_GUI_TEST_MAIN(TestLanguages)
#include "tst_languages.moc"
