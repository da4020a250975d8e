#include "fixtures/uiWindow.h"

#include "follow/FollowList.h"
#include "store/HistoryModel.h"

#include <QScopeGuard>

// The history view over the real history model and its filter; the
// followed lists over the list kept on disk.
class TestUiHistory : public UiTest
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void cleanup() { m_view.reset(); }

    // The history view shows what is on disk when opened, searches by title,
    // and removes the entry whose button was clicked, searched or not.
    void historyViewSearchesAndRemoves()
    {
        QList<HistoryRecord> entries;
        for (const QString &title : QStringList{"Alpha clip", "Beta song", "Gamma clip"}) {
            HistoryRecord r;
            r.id = r.title = title;
            r.url = "http://127.0.0.1:9/" + title;
            r.filePath = TestHome::path() + "/" + title + ".mp4";
            writeText(r.filePath, "1");
            entries << r;
        }
        HistoryModel history;
        history.reset(entries);
        QTRY_VERIFY(!history.checkingFiles());
        QVERIFY(QFile::remove(entries.last().filePath)); // moved away since
        DownloadManager manager;
        m_view = load("HistoryView", {{"history", QVariant::fromValue(&history)},
                                      {"manager", QVariant::fromValue(&manager)}});
        QVERIFY(m_view);
        const auto closeFirst = qScopeGuard([this] { m_view.reset(); }); // before its models
        m_root = m_view->rootObject();
        const auto row = [this](const QString &title) -> QQuickItem * {
            for (QQuickItem *r : ViewProbe::findAll(m_root, "historyRow"))
                if (r->property("title").toString() == title && r->isVisible())
                    return r;
            return nullptr;
        };
        QTRY_VERIFY(row("Gamma clip") && !find(row("Gamma clip"), "historyOpen")->isEnabled());
        QVERIFY(find(row("Alpha clip"), "historyOpen")->isEnabled());
        find(m_root, "historySearch")->setProperty("text", " CLIP ");
        QTRY_VERIFY(!row("Beta song"));
        click(*m_view, find(row("Gamma clip"), "historyRemove"));
        QCOMPARE(history.rowCount(), 2);
        QCOMPARE(history.index(1).data(HistoryModel::TitleRole).toString(), QString("Beta song"));
        find(m_root, "historySearch")->setProperty("text", "nothing like this");
        QTRY_VERIFY(shown(m_root, "historyEmpty"));
        QCOMPARE(text(m_root, "historyEmpty"), qtTrId("history.no_match"));
        QVERIFY(shown(m_root, "clearHistoryButton"));
    }

    // The Following view shows the lists kept on disk, each with its last
    // error or what its last check found; pause and remove change the file
    // that the command line's checks read.
    void followingViewPausesAndRemoves()
    {
        QList<Follow> staged(2);
        staged[0].address = "http://127.0.0.1:9/feed.xml";
        staged[0].title = "Garden hour";
        staged[0].lastCheck = QDateTime::currentDateTime();
        staged[0].newCount = 3;
        staged[1].address = "http://127.0.0.1:9/page.html";
        // Longer than a line: it wraps, whole.
        const QString error = "ERROR: HTTP Error 500: the server could not answer for this feed "
                              "and said so at some length, which the row shows whole";
        staged[1].lastError = error;
        QVERIFY(!FollowList::modify([&](QList<Follow> &list) { list = staged; }));
        m_view = load("FollowingView", {});
        QVERIFY(m_view);
        m_root = m_view->rootObject();
        QTRY_COMPARE(ViewProbe::findAll(m_root, "followRow").size(), 2);
        const auto row = [this](int i) { return ViewProbe::findAll(m_root, "followRow").at(i); };
        QVERIFY(text(row(0), "followSummary").endsWith(qtTrId("follow.new_count", 3)));
        QCOMPARE(text(row(1), "followSummary"), error);
        QTRY_VERIFY(!find(row(1), "followSummary")->property("truncated").toBool());
        click(*m_view, find(row(0), "followPause"));
        QTRY_VERIFY(FollowList::load().value(0).paused);
        QVERIFY(row(0)->property("paused").toBool());
        click(*m_view, find(row(1), "followRemove"));
        QTRY_COMPARE(FollowList::load().size(), 1);
        QCOMPARE(FollowList::load().first().address, staged[0].address);
        click(*m_view, find(row(0), "followRemove"));
        QTRY_VERIFY(shown(m_root, "followEmpty"));
    }
};

REELIX_GUI_TEST_MAIN(TestUiHistory)
#include "tst_ui_history.moc"
