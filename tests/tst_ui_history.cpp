#include "fixtures/uiWindow.h"

#include "store/HistoryModel.h"

#include <QScopeGuard>

// The history view over the real history model and its filter.
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
};

REELIX_GUI_TEST_MAIN(TestUiHistory)
#include "tst_ui_history.moc"
