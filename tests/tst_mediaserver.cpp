#include "fixtures/EngineHarness.h"

#include "follow/MediaServerFiles.h"

#include <QDirIterator>
#include <QJsonDocument>
#include <QXmlStreamReader>

using namespace Harness;

using Fields = QMap<QString, QString>;

// What a follow writes for media servers beside each file it downloads,
// driven through reelix-cli against a feed on the local media server whose
// entries carry hostile titles and WebP pictures.
class TestMediaServer : public EngineTest
{
    Q_OBJECT

    QString m_out;

    // Every file under the download folder, by its path below it.
    QStringList files() const
    {
        QStringList found;
        QDirIterator it(m_out, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next().mid(m_out.size() + 1);
        found.sort();
        return found;
    }

    // The elements under <episodedetails>, read back with a real XML parser.
    static Fields readNfo(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {{"error", file.errorString()}};
        QXmlStreamReader xml(&file);
        Fields fields;
        if (!xml.readNextStartElement() || xml.name() != u"episodedetails")
            return {{"error", "no episodedetails"}};
        while (xml.readNextStartElement())
            fields.insert(xml.name().toString(), xml.readElementText());
        if (xml.hasError())
            return {{"error", xml.errorString()}};
        return fields;
    }

    static QString codecOf(const QString &path)
    {
        return streams(path, QStringLiteral("codec_name")).join(',');
    }

private slots:
    void initTestCase()
    {
        startServer();
        UserDefaults::setValue(QStringLiteral("followPauseSeconds"), 0);
    }

    void init()
    {
        m_out = TestHome::path() + "/Shows";
        QDir(m_out).removeRecursively();
        QFile::remove(PlatformProfile::current().dataDirectory + "/follows.json");
    }

    void filesBesideEachDownload_data()
    {
        QTest::addColumn<bool>("option");
        QTest::addColumn<bool>("userFiles"); // a poster and an .nfo of the user's are there
        QTest::newRow("option on") << true << false;
        QTest::newRow("option on, the user's files stay") << true << true;
        QTest::newRow("option off") << false << false;
    }

    void filesBesideEachDownload()
    {
        QFETCH(bool, option);
        QFETCH(bool, userFiles);
        const QString hostile = QStringLiteral("</title><script>& \"q\" 's\u200f ../x");
        QUrl address(m_server->httpUrl("list/feed.xml"));
        address.setQuery({{"entry", QString::fromLatin1(QUrl::toPercentEncoding(hostile))},
                          {"thumb", "poster.webp"}});
        const QString show = m_out + "/Test list";
        const QString mine = "written by the user";
        const QString userNfo = show + "/01 - __title__script_& _q_ 's\u200f .._x 1.nfo";
        if (userFiles) {
            QDir().mkpath(show);
            writeText(show + "/poster.jpg", mine);
            writeText(userNfo, mine);
        }
        QStringList follow{"follow", "--newest", "2", "--folder", m_out};
        if (option)
            follow << "--media-server";
        QCOMPARE(runCli(follow + QStringList{address.toString(QUrl::FullyEncoded)}).exitCode, 0);
        const CliRun check = runCli({"follow", "check"});
        QCOMPARE(check.exitCode, 0);

        QStringList media = files().filter(QRegularExpression("\\.mp4$"));
        QCOMPARE(media.size(), 2);
        QStringList expected = media;
        expected << "Test list/.reelix-archive";
        if (option) {
            expected << "Test list/poster.jpg";
            for (const QString &file : media) {
                const QString base = file.chopped(4);
                expected << base + ".nfo" << base + "-thumb.jpg";
                QCOMPARE(codecOf(m_out + '/' + base + "-thumb.jpg"), QStringLiteral("mjpeg"));
            }
        }
        expected.sort();
        // Nothing else, nothing outside the list's folder, no temporary left.
        QCOMPARE(files(), expected);
        if (!option)
            return;
        if (userFiles)
            QCOMPARE(readText(show + "/poster.jpg"), mine);
        else
            QCOMPARE(codecOf(show + "/poster.jpg"), QStringLiteral("mjpeg"));
        for (int i : {1, 2}) {
            const QString nfo = m_out + '/' + media.at(i - 1).chopped(4) + ".nfo";
            if (userFiles && nfo == userNfo) {
                QCOMPARE(readText(nfo), mine);
                continue;
            }
            const QString title = hostile + ' ' + QString::number(i);
            const Fields wanted{{"title", title},
                                {"showtitle", "Test list"},
                                {"plot", "About " + title},
                                {"aired", QStringLiteral("2024-03-0%1").arg(i)},
                                {"premiered", QStringLiteral("2024-03-0%1").arg(i)},
                                {"runtime", "1"}};
            QCOMPARE(readNfo(nfo), wanted);
        }
    }

    // The fields a listing's entry gives, as the .nfo takes them.
    void episodeRead_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<Fields>("wanted");
        QTest::newRow("upload date, uploader, last picture")
            << QByteArray("{\"title\": \"A\", \"upload_date\": \"20231105\", \"uploader\": "
                          "\"Ann\", \"duration\": 3600, \"thumbnails\": [{\"url\": "
                          "\"http://x/s.jpg\"}, {\"url\": \"http://x/l.jpg\"}]}")
            << Fields{{"title", "A"},
                      {"showtitle", "Show"},
                      {"aired", "2023-11-05"},
                      {"premiered", "2023-11-05"},
                      {"runtime", "60"},
                      {"studio", "Ann"},
                      {"thumbnail", "http://x/l.jpg"}};
        QTest::newRow("time stamp, channel, control characters")
            << QByteArray("{\"title\": \"B\\u0007\\u001b[2J\", \"timestamp\": 1709337599, "
                          "\"channel\": \"Chan\", \"description\": \"one\\ntwo\\u0000\"}")
            << Fields{{"title", "B[2J"},       {"showtitle", "Show"},       {"plot", "one\ntwo"},
                      {"aired", "2024-03-01"}, {"premiered", "2024-03-01"}, {"studio", "Chan"}};
        QTest::newRow("nothing readable")
            << QByteArray(R"({"title": 5, "upload_date": "someday", "duration": -3})")
            << Fields{{"showtitle", "Show"}};
    }

    void episodeRead()
    {
        QFETCH(QByteArray, entry);
        QFETCH(Fields, wanted);
        const MediaServerFiles::Episode episode =
            MediaServerFiles::episodeOf(QJsonDocument::fromJson(entry).object(), "Show");
        const QString path = TestHome::path() + "/episode.nfo";
        QFile::remove(path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(MediaServerFiles::nfo(episode));
        file.close();
        Fields read = readNfo(path);
        if (!episode.thumbnail.isEmpty())
            read.insert("thumbnail", episode.thumbnail);
        QCOMPARE(read, wanted);
    }
};

REELIX_TEST_MAIN(TestMediaServer)
#include "tst_mediaserver.moc"
