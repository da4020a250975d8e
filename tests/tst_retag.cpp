#include "fixtures/EngineHarness.h"

#include "engine/Retag.h"

using namespace Harness;

// The hev1 → hvc1 rewrite: the download is replaced by one rename, or left
// exactly as it was.
class TestRetag : public QObject
{
    Q_OBJECT

    QString m_dir;

    // ffmpeg to use, whether a folder stands at the path → the logged error.
    // STANDIN: an ffmpeg that "succeeds", but the rename cannot replace a folder.
    using Failure = std::tuple<const char *, QString, bool, QString>;
    static inline const Failure failureCases[] = {
        {"ffmpeg fails", "/usr/bin/ffmpeg", false, "  retagHvc1 ffmpeg exit 1"},
        {"ffmpeg missing", "/nonexistent/ffmpeg", false, "  retagHvc1 launch error: "},
        {"replace fails", "STANDIN", true, "  retagHvc1 file replace error: "},
    };

private slots:
    void initTestCase()
    {
        UserDefaults::setValue("debugLogging", true);
        m_dir = TestHome::path() + "/retag";
        QDir().mkpath(m_dir);
        QVERIFY(makeMedia(1, Codecs::hev1, m_dir + "/source.mp4"));
    }

    void init() { Logger::shared().clear(); }

    void rewritesInPlace()
    {
        const QString path = m_dir + "/Été à Noël.mp4";
        QFile::remove(path);
        QVERIFY(QFile::copy(m_dir + "/source.mp4", path));
        writeText(retagTemporaryPath(path), "leftover of an earlier attempt");
        QCOMPARE(retagTemporaryPath(path), m_dir + "/._retag_Été à Noël.mp4");
        QCOMPARE(videoStream(path, "codec_tag_string"), QString("hev1"));
        QCOMPARE(await(retagHvc1(path, "/usr/bin/ffmpeg")), std::optional<QString>(path));
        QCOMPARE(videoStream(path, "codec_tag_string"), QString("hvc1"));
        QVERIFY(!QFileInfo::exists(retagTemporaryPath(path)));
        QCOMPARE(logLines().filter("[INFO ] ").filter("  retagHvc1 success → " + path).size(), 1);
    }

    void failuresLeaveTheSourceAlone_data() { addCases(failureCases); }

    void failuresLeaveTheSourceAlone()
    {
        auto [name, ffmpeg, pathIsFolder, logged] = caseOf(failureCases);
        const QString path = m_dir + "/broken.mp4";
        QFile::remove(path);
        QDir(path).removeRecursively();
        const QString kept = pathIsFolder ? path + "/inside.txt" : path;
        writeText(kept, "what was there");
        if (ffmpeg == "STANDIN")
            ffmpeg = writeScript(m_dir + "/standin/ffmpeg",
                                 "for last; do :; done\necho copy > \"$last\"");
        QCOMPARE(await(retagHvc1(path, ffmpeg)), std::nullopt);
        QCOMPARE(readText(kept), QString("what was there"));
        QVERIFY(!QFileInfo::exists(retagTemporaryPath(path)));
        QCOMPARE(logLines().filter("[ERROR] ").filter(logged).size(), 1);
    }
};

REELIX_TEST_MAIN(TestRetag)
#include "tst_retag.moc"
