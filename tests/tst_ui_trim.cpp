#include "fixtures/uiWindow.h"

// The trim dialog of a ready row: what it accepts, what it says of a time it
// cannot take, and the clips it makes.
class TestUiTrim : public UiTest
{
    Q_OBJECT

    // A ready video of 30:34 on a closed local port: the information runs of
    // new clips reach nothing.
    static DownloadItem *video(const QList<Chapter> &chapters)
    {
        auto *it = new DownloadItem("http://127.0.0.1:9/talk", DownloadFormat::Video);
        it->setTitle("A talk: part/one");
        it->setDuration(1834);
        it->setChapters(chapters);
        it->setStatus(DownloadStatus::Ready);
        return it;
    }

private slots:
    void initTestCase()
    {
        Localization::install(QLocale(QLocale::English));
        prepareWindowTests();
    }

    void trimDialog_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QList<int>>("chapters"); // picked, by place
        QTest::addColumn<QString>("message");     // what the dialog says, in part
        QTest::addColumn<QStringList>("clips");   // each item's range; empty: refused
        QTest::newRow("range") << "10:00"
                               << "12:30" << QList<int>{}
                               << "File: A talk_ part_one (10.00–12.30).mp4"
                               << QStringList{"600-750"};
        QTest::newRow("seconds") << "90"
                                 << "1:02:03" << QList<int>{} << "The video ends at 30:34"
                                 << QStringList{};
        QTest::newRow("not a time")
            << "10:00"
            << "12:75" << QList<int>{} << "Type the end as h:mm:ss" << QStringList{};
        QTest::newRow("backwards")
            << "5:00"
            << "1:00" << QList<int>{} << "The end must come after the start" << QStringList{};
        QTest::newRow("empty start")
            << ""
            << "1:00" << QList<int>{} << "Type the start as h:mm:ss" << QStringList{};
        QTest::newRow("chapters") << ""
                                  << "" << QList<int>{0, 1, 3} << "(0.00–14.00).mp4"
                                  << QStringList{"0-840", "1500-1834"};
    }
    void trimDialog()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QList<int>, chapters);
        QFETCH(QString, message);
        QFETCH(QStringList, clips);
        DownloadManager manager;
        DownloadItem *it = video({{"Welcome", 0, 95},
                                  {"Early years", 95, 840},
                                  {"The first film", 840, 1500},
                                  {"Questions", 1500, 1834}});
        manager.insertItem(it);
        auto view =
            load("DownloadRow",
                 {{"item", QVariant::fromValue(it)}, {"manager", QVariant::fromValue(&manager)}},
                 {1000, 700});
        QVERIFY(view);
        click(*view, find(view->rootObject(), "trimButton"));
        QQuickItem *root = view->contentItem();
        QTRY_VERIFY(find(root, "trimEnd") && find(root, "trimEnd")->isVisible());
        QCOMPARE(text(root, "trimDuration"), QString("Duration: 30:34"));
        QCOMPARE(text(root, "trimEnd"), QString("30:34"));
        for (const int place : chapters)
            click(*view, find(root, "trimChapter." + QString::number(place)));
        if (chapters.isEmpty()) {
            find(root, "trimStart")->setProperty("text", start);
            find(root, "trimEnd")->setProperty("text", end);
        }
        QVERIFY2(text(root, "trimMessage").contains(message),
                 qPrintable(text(root, "trimMessage")));
        QQuickItem *confirm = find(root, "trimConfirmButton");
        QCOMPARE(confirm->isEnabled(), !clips.isEmpty());
        if (clips.isEmpty())
            return;
        click(*view, confirm);
        QTRY_COMPARE(manager.downloads().size(), clips.size());
        for (qsizetype i = 0; i < clips.size(); ++i)
            QCOMPARE(manager.downloads().at(i)->choices().sections, QStringList{clips.at(i)});
        // The row shows its clip where it offered to trim.
        if (clips.size() == 1)
            QTRY_COMPARE(text(view->rootObject(), "trimButton"), QString("Clip 10:00–12:30"));
        stopAll(&manager);
    }
};

REELIX_GUI_TEST_MAIN(TestUiTrim)
#include "tst_ui_trim.moc"
