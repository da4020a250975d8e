#include "fixtures/EngineHarness.h"
#include "platform/ToolPaths.h"

#include "engine/Conversion.h"

#include <QProcess>

using namespace Harness;

// Conversion to H.264/AAC with the real ffmpeg on media made here.
class TestConversion : public EngineTest
{
    Q_OBJECT

    QString m_media;

    DownloadItem *doneItem(const QString &media, const QString &name)
    {
        DownloadItem *item = EngineTest::doneItem(m_media + "/" + media, name);
        item->setCodecInfo("VP9 + Opus");
        return item;
    }

    // Source media and name → the converted file's name.
    using Named = std::tuple<const char *, const char *, const char *, const char *>;
    static inline const Named namedCases[] = {
        {"vp9 opus", "short.webm", "Clip.webm", "Clip_qt.mp4"},
        {"blanks and accents", "short.webm", "Été à Noël.webm", "Été à Noël_qt.mp4"},
        {"already _qt", "short.mp4", "Clip_qt.mp4", "Clip_qt_qt.mp4"},
        {"no extension", "short.webm", "Clip", "Clip_qt.mp4"},
        {"dot in the name", "short.webm", "a.v1.mkv", "a.v1_qt.mp4"},
    };

private slots:
    void initTestCase()
    {
        UserDefaults::setValue("debugLogging", true);
        m_media = TestHome::path() + "/media";
        QDir().mkpath(m_media);
        QVERIFY(makeMedia(2, Codecs::vp9, m_media + "/short.webm"));
        QVERIFY(makeMedia(40, Codecs::vp9, m_media + "/long.webm"));
        QVERIFY(makeMedia(2, Codecs::h264, m_media + "/short.mp4"));
        writeText(m_media + "/broken.webm", "this is not a media file at all");
    }

    void init() { resetEngine(); }

    void cleanup() { m_manager.reset(); }

    void convertsAndReplaces_data() { addCases(namedCases); }

    void convertsAndReplaces()
    {
        const auto &[row, media, name, output] = caseOf(namedCases);
        DownloadItem *item = doneItem(media, name);
        item->setErrorMessage("an earlier failed attempt");
        const QString source = *item->filePath();
        QList<double> progress;
        connect(item, &DownloadItem::progressChanged, this, [&] { progress << item->progress(); });
        m_manager->convert(item);
        QCOMPARE(item->status(), DownloadStatus::Converting);
        QTRY_COMPARE_WITH_TIMEOUT(item->status(), DownloadStatus::Done, 60000);
        const QString expected = QFileInfo(source).path() + "/" + output;
        QCOMPARE(item->filePath(), std::optional<QString>(expected));
        QCOMPARE(streams(expected, "codec_name"), (QStringList{"h264", "aac"}));
        QVERIFY(!QFileInfo::exists(source));
        QVERIFY(!item->needsConversion());
        QCOMPARE(item->codecInfo(), QString("H.264 + AAC"));
        QCOMPARE(item->progress(), 1.0);
        QVERIFY(item->errorMessage().isEmpty());
        QVERIFY(item->fileSize());
        QVERIFY(progress.size() >= 2);
        QFile::remove(expected);
    }

    // A stop while converting or while the duration is measured (a stand-in
    // ffprobe that takes its time, beside a stand-in ffmpeg that records any
    // call), or a source ffmpeg cannot read: the download stays as it was.
    void sourceKeptWhenNotConverted_data()
    {
        addTags({"stopped while converting", "stopped while measuring", "corrupt source"});
    }

    void sourceKeptWhenNotConverted()
    {
        const QString calls = TestHome::path() + "/ffmpeg-calls";
        QFile::remove(calls);
        if (tag() == "stopped while measuring") {
            writeScript(ToolPaths::binDirectory() + "/ffprobe", "exec sleep 30");
            writeScript(ToolPaths::binDirectory() + "/ffmpeg", "echo \"$*\" >> '" + calls + "'");
        }
        const bool corrupt = tag() == "corrupt source";
        DownloadItem *item = doneItem(corrupt                        ? "broken.webm"
                                      : tag().endsWith("converting") ? "long.webm"
                                                                     : "short.webm",
                                      "Clip.webm");
        const QString source = *item->filePath();
        m_manager->convert(item);
        qint64 pid = 0;
        if (!corrupt) {
            QTRY_VERIFY_WITH_TIMEOUT(
                item->process && (tag().endsWith("measuring") || item->progress() > 0), 60000);
            pid = item->process->processId();
            item->cancelRun();
        }
        QTRY_COMPARE_WITH_TIMEOUT(item->status(), DownloadStatus::Done, 30000);
        QVERIFY(!pid || !processAlive(pid));
        QVERIFY(item->needsConversion());
        QCOMPARE(item->progress(), 0.0);
        QCOMPARE(item->filePath(), std::optional<QString>(source));
        QVERIFY(QFileInfo::exists(source));
        QVERIFY(!QFileInfo::exists(Conversion::outputPath(source)));
        QVERIFY(!QFileInfo::exists(calls));
        if (corrupt)
            QVERIFY2(item->errorMessage().contains("Invalid data found when processing input"),
                     qPrintable(item->errorMessage()));
    }

    void durationWithoutDecoding()
    {
        const double probed =
            await(Conversion::mediaDuration(m_media + "/long.webm", "/usr/bin/ffmpeg"));
        QVERIFY2(qAbs(probed - 40.0) < 0.1, qPrintable(QString::number(probed)));
        // ffmpeg alone (no ffprobe beside it): read from its header.
        const QString lone = TestHome::path() + "/lone";
        QDir().mkpath(lone);
        QFile::link("/usr/bin/ffmpeg", lone + "/ffmpeg");
        const double seconds =
            await(Conversion::mediaDuration(m_media + "/long.webm", lone + "/ffmpeg"));
        QVERIFY2(qAbs(seconds - 40.0) < 0.1, qPrintable(QString::number(seconds)));
        QCOMPARE(await(Conversion::mediaDuration(m_media + "/broken.webm", lone + "/ffmpeg")), 0.0);
    }

    void nothingWithoutFile()
    {
        auto *item =
            new DownloadItem("https://example.org/x", DownloadFormat::Video, m_manager.get());
        item->setStatus(DownloadStatus::Error);
        m_manager->convert(item);
        QCOMPARE(item->status(), DownloadStatus::Error);
    }
};

REELIX_TEST_MAIN(TestConversion)
#include "tst_conversion.moc"
