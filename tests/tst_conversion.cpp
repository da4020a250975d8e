#include "fixtures/EngineHarness.h"
#include "platform/ToolPaths.h"

#include "engine/Conversion.h"
#include "engine/Probe.h"
#include "engine/Retag.h"
#include "platform/PlatformProfile.h"

using namespace Harness;

// Conversion to H.264/AAC with the real ffmpeg on media made here, and the
// hev1 → hvc1 rewrite: the download is replaced by one rename, or left
// exactly as it was.
class TestConversion : public EngineTest
{
    Q_OBJECT

    QString m_media;

    // Source media and name → the converted file's name.
    using Named = std::tuple<const char *, const char *, const char *, const char *>;
    static inline const Named namedCases[] = {
        {"vp9 opus", "short.webm", "Clip.webm", "Clip_qt.mp4"},
        {"blanks and accents", "short.webm", "Été à Noël.webm", "Été à Noël_qt.mp4"},
        {"already _qt", "short.mp4", "Clip_qt.mp4", "Clip_qt_qt.mp4"},
        {"no extension", "short.webm", "Clip", "Clip_qt.mp4"},
        {"dot in the name", "short.webm", "a.v1.mkv", "a.v1_qt.mp4"},
        {"converted name taken", "short.webm", "Taken.webm", "Taken_qt (2).mp4"},
    };

    // ffmpeg to use, whether a folder stands at the path → the failure's kind,
    // the logged error. STANDIN: an ffmpeg that "succeeds", but the rename
    // cannot replace a folder.
    using FailureCase = std::tuple<const char *, QString, bool, Failure::Kind, QString>;
    static inline const FailureCase failureCases[] = {
        {"ffmpeg fails", "/usr/bin/ffmpeg", false, Failure::Kind::Tool,
         "  retagHvc1 ffmpeg exit 1"},
        {"ffmpeg missing", "/nonexistent/ffmpeg", false, Failure::Kind::Launch,
         "  retagHvc1 launch error: "},
        {"replace fails", "STANDIN", true, Failure::Kind::FileSystem,
         "  retagHvc1 file replace error: "},
    };

    QStringList entries() const
    {
        return QDir(folder()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

private slots:
    void initTestCase()
    {
        UserDefaults::setValue("debugLogging", true);
        m_media = TestHome::path() + "/media";
        QDir().mkpath(m_media);
        QVERIFY(makeMedia(2, Codecs::vp9, m_media + "/short.webm"));
        QVERIFY(makeMedia(40, Codecs::vp9, m_media + "/long.webm"));
        QVERIFY(makeMedia(2, Codecs::h264, m_media + "/short.mp4"));
        QVERIFY(makeMedia(1, Codecs::hev1, m_media + "/hev1.mp4"));
        QVERIFY(makeMedia(1, Codecs::vp9, m_media + "/vp9.mp4"));
        QVERIFY(makeMedia(1, words("-c:v libaom-av1 -cpu-used 8 -b:v 100k -c:a libopus"),
                          m_media + "/av1.mp4"));
        QVERIFY(makeMedia(1, words("-c:v mpeg2video -c:a mp2"), m_media + "/mpeg2.mpg"));
        writeText(m_media + "/broken.webm", "this is not a media file at all");
    }

    void init() { resetEngine(); }

    void cleanup() { m_manager.reset(); }

    void convertsAndReplaces_data() { addCases(namedCases); }

    void convertsAndReplaces()
    {
        const auto &[row, media, name, output] = caseOf(namedCases);
        // A file of the user's keeps its name: the conversion takes a free one.
        const QString users = folder() + "/" + QString(output).remove(" (2)");
        if (users != folder() + "/" + output)
            writeText(users, "the user's");
        DownloadItem *item = doneItem(m_media + "/" + media, name);
        item->setFile({item->filePath(), std::nullopt, true, "VP9 + Opus"});
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
        QVERIFY(!item->file().needsConversion);
        QCOMPARE(item->file().codecInfo, QString("H.264 + AAC"));
        QCOMPARE(item->progress(), 1.0);
        QVERIFY(item->errorMessage().isEmpty());
        QVERIFY(item->file().size);
        QVERIFY(progress.size() >= 2);
        if (users != expected)
            QCOMPARE(readText(users), QString("the user's"));
        QCOMPARE(entries().size(), users == expected ? 1 : 2);
    }

    // A stop while converting or while the duration is measured (a stand-in
    // ffprobe that takes its time, beside a stand-in ffmpeg that records any
    // call), or a source ffmpeg cannot read: the download stays as it was,
    // and so does a file of the user's with the converted file's name.
    void sourceKeptWhenNotConverted_data()
    {
        QTest::addColumn<QString>("media");
        QTest::addColumn<bool>("measuring"); // stopped while the length is measured
        QTest::newRow("stopped while converting") << "long.webm" << false;
        QTest::newRow("stopped while measuring") << "short.webm" << true;
        QTest::newRow("corrupt source") << "broken.webm" << false;
    }

    void sourceKeptWhenNotConverted()
    {
        QFETCH(QString, media);
        QFETCH(bool, measuring);
        const QString calls = TestHome::path() + "/ffmpeg-calls";
        QFile::remove(calls);
        if (measuring) {
            writeScript(ToolPaths::binDirectory() + "/ffprobe", "exec sleep 30");
            writeScript(ToolPaths::binDirectory() + "/ffmpeg", "echo \"$*\" >> '" + calls + "'");
        }
        const bool corrupt = media == "broken.webm";
        DownloadItem *item = doneItem(m_media + "/" + media, "Clip.webm");
        const QString source = *item->filePath();
        writeText(folder() + "/Clip_qt.mp4", "the user's");
        m_manager->convert(item);
        qint64 pid = 0;
        if (!corrupt) {
            QTRY_VERIFY_WITH_TIMEOUT(childOf(item) && (measuring || item->progress() > 0), 60000);
            pid = childOf(item)->processId();
            item->cancelRun();
        }
        QTRY_COMPARE_WITH_TIMEOUT(item->status(), DownloadStatus::Done, 30000);
        QVERIFY(!pid || !processAlive(pid));
        QVERIFY(item->file().needsConversion);
        QCOMPARE(item->progress(), 0.0);
        QCOMPARE(item->filePath(), std::optional<QString>(source));
        QCOMPARE(entries(), (QStringList{"Clip.webm", "Clip_qt.mp4"}));
        QCOMPARE(readText(folder() + "/Clip_qt.mp4"), QString("the user's"));
        QVERIFY(!QFileInfo::exists(calls));
        if (corrupt)
            QVERIFY2(item->errorDetail().contains("Invalid data found when processing input"),
                     qPrintable(item->errorDetail()));
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

    void rewritesInPlace()
    {
        const QString path = folder() + "/Été à Noël.mp4";
        QVERIFY(QFile::copy(m_media + "/hev1.mp4", path));
        writeText(retagTemporaryPath(path), "leftover of an earlier attempt");
        QCOMPARE(retagTemporaryPath(path), folder() + "/._retag_Été à Noël.mp4");
        QCOMPARE(videoStream(path, "codec_tag_string"), QString("hev1"));
        QCOMPARE(await(retagHvc1(path, "/usr/bin/ffmpeg")), Outcome());
        QCOMPARE(videoStream(path, "codec_tag_string"), QString("hvc1"));
        QVERIFY(!QFileInfo::exists(retagTemporaryPath(path)));
        QCOMPARE(logLines().filter("[INFO ] ").filter("  retagHvc1 success → " + path).size(), 1);
    }

    // A real file through the real probe, on each platform's players: whether
    // it is offered for conversion to H.264/AAC, and whether the row warns.
    void conversionRule_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("mac");
        QTest::addColumn<bool>("needsConversion");
        QTest::addColumn<bool>("warns");
        for (const bool mac : {false, true}) {
            const QString on = mac ? ", macOS" : ", Linux";
            QTest::newRow(qPrintable("H.264/AAC MP4" + on)) << "short.mp4" << mac << false << false;
            QTest::newRow(qPrintable("VP9/Opus MP4" + on)) << "vp9.mp4" << mac << true << mac;
            QTest::newRow(qPrintable("VP9/Opus WebM" + on)) << "short.webm" << mac << true << mac;
            QTest::newRow(qPrintable("AV1/Opus MP4" + on)) << "av1.mp4" << mac << true << mac;
            QTest::newRow(qPrintable("MPEG-2/MP2" + on)) << "mpeg2.mpg" << mac << true << true;
        }
    }

    void conversionRule()
    {
        QFETCH(QString, file);
        QFETCH(bool, mac);
        QFETCH(bool, needsConversion);
        QFETCH(bool, warns);
        const PlatformProfile kept = PlatformProfile::current();
        const auto restore = qScopeGuard([kept] { PlatformProfile::setCurrent(kept); });
        PlatformProfile::setCurrent(mac ? PlatformProfile::macOSProfile(TestHome::path(), {})
                                        : PlatformProfile::linuxProfile(TestHome::path(), {}));
        const ProbeResult probe = await(probeFile(m_media + "/" + file, "/usr/bin/ffmpeg"));
        QVERIFY(!probe.codecInfo.isEmpty());
        DownloadItem item("https://example.org/v", DownloadFormat::Video);
        item.setFile({.needsConversion = !probe.quickTimeOK, .codecInfo = probe.codecInfo});
        QCOMPARE(item.file().needsConversion, needsConversion);
        QCOMPARE(item.property("conversionAdvised").toBool(), warns);
    }

    void failuresLeaveTheSourceAlone_data() { addCases(failureCases); }

    void failuresLeaveTheSourceAlone()
    {
        auto [name, ffmpeg, pathIsFolder, kind, logged] = caseOf(failureCases);
        const QString path = folder() + "/broken.mp4";
        const QString kept = pathIsFolder ? path + "/inside.txt" : path;
        writeText(kept, "what was there");
        if (ffmpeg == "STANDIN")
            ffmpeg = writeScript(m_media + "/standin/ffmpeg",
                                 "for last; do :; done\necho copy > \"$last\"");
        const Outcome failure = await(retagHvc1(path, ffmpeg));
        QVERIFY(failure);
        QCOMPARE(failure->kind, kind);
        QCOMPARE(readText(kept), QString("what was there"));
        QVERIFY(!QFileInfo::exists(retagTemporaryPath(path)));
        QCOMPARE(logLines().filter("[ERROR] ").filter(logged).size(), 1);
    }
};

REELIX_TEST_MAIN(TestConversion)
#include "tst_conversion.moc"
