#include "fixtures/TestMain.h"
#include "fixtures/ToolMirror.h"

#include "deps/DependencyChecker.h"
#include "deps/ToolInstall.h"
#include "deps/ToolVersions.h"
#include "platform/PlatformProfile.h"

using namespace ToolFolder;
using namespace MirrorTexts;
using Routes = QList<std::tuple<QString, QString, QJsonValue>>; // kind, path, value

// Versions: what a tool prints against what its distributor publishes, and a
// lookup that fails on a local mirror (rate limits, other shapes, silence) is
// never taken for "up to date".
class TestToolVersions : public QObject
{
    Q_OBJECT

    std::unique_ptr<ToolMirror> m_mirror;

    // Routes on the mirror → a tool's status after a version check.
    using Lookup = std::tuple<const char *, Routes, QString, DepStatus>;
    static inline const Lookup lookups[] = {
        {"API rate limit, the release page names the tag",
         {{"status", api, 403}, {"redirect", page, "/yt-dlp/yt-dlp/releases/tag/2025.02.01"}},
         "yt-dlp",
         DepStatus::updateAvailable(old, "2025.02.01")},
        {"API rate limit, no release page",
         {{"status", api, 403}},
         "yt-dlp",
         DepStatus::unchecked(old, http + "403")},
        {"API too many requests, page without a tag",
         {{"status", api, 429}, {"redirect", page, "/yt-dlp/yt-dlp/releases"}},
         "yt-dlp",
         DepStatus::unchecked(old, http + "429")},
        {"API answers another shape",
         {{"redirect", api, "/ffmpeg/release-readme.txt"}},
         "yt-dlp",
         DepStatus::unchecked(old, "the answer names no version")},
        {"API goes quiet, the release page is not asked",
         {{"stall", api, true}, {"redirect", page, "/yt-dlp/yt-dlp/releases/tag/2025.02.01"}},
         "yt-dlp",
         DepStatus::unchecked(old, idle)},
        {"API trickles", {{"trickle", api, true}}, "yt-dlp", DepStatus::unchecked(old, deadline)},
        {"Node.js index without end",
         {{"flood", "/dist/index.json", true}},
         "node",
         DepStatus::unchecked("v22.20.0", tooLarge.arg("4.2 MB"))},
        {"ffmpeg distributor down",
         {{"status", "/ffmpeg/release-readme.txt", 503}},
         "ffmpeg",
         DepStatus::unchecked("6.0-old", http + "503")},
        {"Node.js index down",
         {{"status", "/dist/index.json", 502}},
         "node",
         DepStatus::unchecked("v22.20.0", http + "502")},
        {"Node.js: the newest of its own line",
         {},
         "node",
         DepStatus::updateAvailable("v22.20.0", "v22.21.0")},
    };

private slots:
    void initTestCase()
    {
        m_mirror = ToolMirror::withShortLimits();
        QVERIFY(m_mirror->isReady());
    }

    // Each check starts from the old tools, as a user who has Reelix's tools would.
    void init()
    {
        m_mirror->serveAnEmptyToolFolder();
        placeOldTools();
    }

    void aFailedLookupIsNeverUpToDate_data() { addCases(lookups); }

    void aFailedLookupIsNeverUpToDate()
    {
        const auto &[name, routes, tool, expected] = caseOf(lookups);
        for (const auto &[kind, path, value] : routes)
            m_mirror->addRoute(kind, path, value);
        DependencyChecker checker;
        await(checker.checkForUpdates());
        const Dependency *target = tool == "yt-dlp"   ? checker.ytdlp()
                                   : tool == "ffmpeg" ? checker.ffmpeg()
                                                      : checker.node();
        QCOMPARE(target->status(), expected);
        QVERIFY(checker.allReady());
    }

    // Installed output against the published version; the plain cases run
    // through the installs (tst_tools).
    void versionRules()
    {
        // A newer yt-dlp than the published one; one that prints nothing.
        QCOMPARE(ToolVersions::ytdlpStatus("2025.02.01", QString("2025.01.15")),
                 DepStatus::updateAvailable("2025.02.01", "2025.01.15"));
        QCOMPARE(ToolVersions::ytdlpStatus(" \n", QString("x")), DepStatus::installedStatus());
        QCOMPARE(ToolVersions::ffmpegStatus("ffmpeg version 7.1-custom x\nmore", QString("7.1.1")),
                 DepStatus::updateAvailable("7.1-custom", "7.1.1"));
        QCOMPARE(ToolVersions::nodeStatus("22.21.0", QString("v22.21.0")),
                 DepStatus::upToDate("v22.21.0"));
    }

    // Published pages that name no version (the good ones are served by the
    // mirror), and the macOS source's.
    void unpublishedVersions()
    {
        QCOMPARE(
            ToolVersions::nodeLTSFrom(R"([{"lts":"Jod"},{"version":"v20.1.0","lts":"Iron"}])", 20),
            std::optional<QString>("v20.1.0"));
        QCOMPARE(ToolVersions::nodeLTSFrom(R"([{"version":"v25.0.0","lts":false}])", 25),
                 std::nullopt);
        QCOMPARE(PlatformProfile::linuxProfile("/h", {}).ffmpegVersionFrom("nothing"),
                 std::nullopt);
        const PlatformProfile mac = PlatformProfile::macOSProfile("/h", {});
        QCOMPARE(mac.ffmpegVersionFrom(R"({"version":7.1})"), std::nullopt);
        QCOMPARE(mac.ffmpegVersionFrom(R"({"version":"7.1"})"), std::optional<QString>("7.1"));
        // A name with a dot is not the binary.
        QCOMPARE(ToolInstall::ffmpegNameIn({"ffmpeg.txt", "ffmpeg-7"}),
                 std::optional<QString>("ffmpeg-7"));
    }
};

REELIX_TEST_MAIN(TestToolVersions)
#include "tst_toolversions.moc"
