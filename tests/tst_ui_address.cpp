#include "fixtures/uiWindow.h"

// The address box: what it adds, what it takes from the clipboard, where the
// keyboard goes from it.
class TestUiAddress : public UiTest
{
    Q_OBJECT

    // What is given (A and B two addresses), how: the Add button, Ctrl+Return or
    // a drop, after picking MP3 or not → the items added, in order, and the
    // notice of the lines left out (empty: none shown).
    using Submit = std::tuple<const char *, const char *, const char *, const char *, const char *>;
    static inline const Submit submitCases[] = {
        {"repeat and blank line", "A\n\nB\nA", "button", "A B", ""},
        {"spaces trimmed, same address", "  A  \nA", "keys", "A", ""},
        {"rejected lines dropped", "not a url at all\nB\nhttp://[bad", "button mp3", "B",
         "2 lines were not addresses"},
        {"windows line ends", "A\r\nB\r\n", "button", "A B", ""},
        {"blanks only", "  \n \t\n", "keys", "", ""},
        {"dropped", "A\nnot an address\nB", "drop mp3", "A B", "1 line was not an address"},
    };

private slots:
    void initTestCase() { prepareWindowTests(); }
    void cleanup() { m_view.reset(); }

    void submitURLs_data() { addCases(submitCases); }

    void submitURLs()
    {
        const auto &[name, textValue, howValue, added, notice] = caseOf(submitCases);
        const auto english = translated(QLocale::English);
        const QString how = howValue;
        const auto expand = [](QString text) {
            return text.replace("A", "http://127.0.0.1:9/a").replace("B", "http://127.0.0.1:9/b");
        };
        openContentView();
        if (how.endsWith("mp3"))
            click(*m_view, find(m_root, "formatMP3"));
        if (how.startsWith("drop")) {
            QMetaObject::invokeMethod(m_root, "addDropped", Q_ARG(QString, expand(textValue)));
        } else {
            m_root->setProperty("urlText", expand(textValue));
            QCOMPARE(find(m_root, "addButton")->isEnabled(), *added != 0);
            QVERIFY(!shown(m_root, "placeholder")); // blanks are text too
            find(m_root, "addressEditor")->forceActiveFocus();
            if (how == "keys")
                QTest::keyClick(m_view.get(), Qt::Key_Return, Qt::ControlModifier);
            else
                click(*m_view, find(m_root, "addButton"));
        }
        QStringList urls;
        for (const DownloadItem *i : m_list->downloads()) {
            urls << i->url();
            QCOMPARE(i->format(),
                     how.endsWith("mp3") ? DownloadFormat::Audio : DownloadFormat::Video);
        }
        QCOMPARE(urls, expand(added).split(' ', Qt::SkipEmptyParts));
        if (*added)
            QTRY_VERIFY(shown(m_root, "placeholder")); // the box is emptied
        QCOMPARE(shown(m_root, "addressNotice"), *notice != 0);
        if (*notice) {
            QCOMPARE(text(m_root, "addressNoticeText"), QString(notice));
            m_root->setProperty("urlText", "h"); // typing again clears it
            QVERIFY(!shown(m_root, "addressNotice"));
        }
        stopAll(m_list);
    }

    void pasteReplacesWithPlainTextOnly()
    {
        openContentView();
        m_root->setProperty("urlText", "old text");
        auto *image = new QMimeData;
        image->setImageData(QImage(4, 4, QImage::Format_RGB32));
        QGuiApplication::clipboard()->setMimeData(image);
        click(*m_view, find(m_root, "pasteButton"));
        QCOMPARE(m_root->property("urlText").toString(), QString("old text"));
        QGuiApplication::clipboard()->setText("http://127.0.0.1:9/pasted");
        click(*m_view, find(m_root, "pasteButton"));
        QCOMPARE(m_root->property("urlText").toString(), QString("http://127.0.0.1:9/pasted"));
        QCOMPARE(m_list->rowCount(), 0); // not submitted
    }

    // A web address copied elsewhere is offered once, pasted only on a click,
    // and never when it is already listed.
    void clipboardOfferNeedsAClick()
    {
        openContentView();
        const QString listed = "http://127.0.0.1:9/listed", copied = "http://127.0.0.1:9/copied";
        m_list->insertItem(new DownloadItem(listed, DownloadFormat::Video));
        // Only the start of the clipboard is read: an address past it, or cut
        // by its end, is not offered.
        const qsizetype start = 64 * 1024;
        for (const QString &text :
             {QString("no address here"), "see " + listed, QString(start, 'x') + " " + copied,
              QString(start - 10, ' ') + copied}) {
            QGuiApplication::clipboard()->setText(text);
            QMetaObject::invokeMethod(m_root, "offerClipboard");
            QVERIFY2(!shown(m_root, "clipboardOffer"), qPrintable(text.left(40)));
        }
        // Megabytes of words after it (once enough to crash the window).
        QGuiApplication::clipboard()->setText("look: " + copied + QString(" w").repeated(1500000));
        QMetaObject::invokeMethod(m_root, "offerClipboard");
        QTRY_VERIFY(shown(m_root, "clipboardOffer"));
        QCOMPARE(m_list->rowCount(), 1);
        click(*m_view, find(m_root, "clipboardOfferButton"));
        QCOMPARE(m_root->property("urlText").toString(), copied);
        QTRY_VERIFY(!shown(m_root, "clipboardOffer"));
        m_root->setProperty("urlText", "");
        QMetaObject::invokeMethod(m_root, "offerClipboard"); // offered once
        QVERIFY(!shown(m_root, "clipboardOffer"));
        QCOMPARE(m_list->rowCount(), 1);
    }

    void tabLeavesTheAddressBox()
    {
        RealWindow w;
        QVERIFY(w.showMain());
        QQuickItem *editor = w.item("addressEditor");
        editor->forceActiveFocus();
        w.view()->setProperty("urlText", "http://127.0.0.1:9/a");
        QTest::keyClick(w.window, Qt::Key_Tab);
        QQuickItem *focused = w.window->activeFocusItem();
        QVERIFY(focused && focused->inherits("QQuickAbstractButton"));
        QVERIFY(shown(focused, "keyboardFocusRing"));
        QCOMPARE(w.view()->property("urlText").toString(), "http://127.0.0.1:9/a");
        QTest::keyClick(w.window, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(editor->hasActiveFocus());
        click(*w.window, w.item("emptyState")); // outside the box
        QVERIFY(!editor->hasActiveFocus());
    }

    void repeatedAddressHighlightsItsRow()
    {
        RealWindow w;
        QVERIFY(w.showMain());
        // Enough rows that the repeated one is shown at the bottom of the list.
        for (int i = 0; i < 12; ++i)
            w.app.manager()->insertItem(new DownloadItem("http://127.0.0.1:9/" + QString::number(i),
                                                         DownloadFormat::Video));
        for (const char *text :
             {"http://127.0.0.1:9/a", "http://127.0.0.1:9/b", "http://127.0.0.1:9/a"}) {
            w.view()->setProperty("urlText", text);
            click(*w.window, w.item("addButton"));
        }
        DownloadManager *manager = w.app.manager();
        QCOMPARE(manager->rowCount(), 14);
        QTRY_VERIFY(shown(w.view(), "repeatedNote"));
        QList<DownloadItem *> outlined;
        QQuickItem *note = w.item("repeatedNote"), *list = w.item("downloadList");
        // The note covers no row: its final place, once the list made room.
        QVERIFY(QQuickTest::qWaitForPolish(w.window));
        QTRY_COMPARE(note->parentItem()->height(), note->height() + 10);
        const QRectF noteRect = note->mapRectToScene(note->boundingRect());
        const QRectF listRect = list->mapRectToScene(list->boundingRect());
        for (QQuickItem *row : ViewProbe::findAll(w.view(), "downloadRow")) {
            if (row->property("repeated").toBool())
                outlined << row->property("item").value<DownloadItem *>();
            const QRectF seen = row->mapRectToScene(row->boundingRect()) & listRect;
            QVERIFY(!row->isVisible() || !seen.intersects(noteRect));
        }
        QCOMPARE(outlined, QList<DownloadItem *>{manager->itemAt(12)});
        QTRY_VERIFY(!shown(w.view(), "repeatedNote")); // only for a moment
        stopAll(manager);
    }
};

REELIX_GUI_TEST_MAIN(TestUiAddress)
#include "tst_ui_address.moc"
