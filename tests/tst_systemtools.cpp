#include "fixtures/EngineHarness.h"
#include "fixtures/TestMain.h"

#include "deps/ToolVersions.h"
#include "platform/PlatformProfile.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

// The tools the engine falls back to when Reelix's own folder lacks them:
// what `reelix-cli tools status --json` says about each, and when a system
// yt-dlp counts as old.
class TestSystemTools : public QObject
{
    Q_OBJECT

    // Where the search looks → yt-dlp's "path" and "source" (empty: null).
    using Case = std::tuple<const char *, bool, const char *, const char *, const char *>;
    static inline const Case cases[] = {
        // name, own copy, search folders, path, source
        {"own copy only", true, "", "own", "reelix"},
        {"own copy before the system's", true, "/usr/bin", "own", "reelix"},
        {"system copy", false, "/usr/bin", "/usr/bin/yt-dlp", "system"},
        {"first system folder that has it", false, "/nowhere:/usr/bin", "/usr/bin/yt-dlp",
         "system"},
        {"missing", false, "/nowhere", "", ""},
    };

    // yt-dlp version → older than a year on 2026-06-15.
    using Age = std::tuple<const char *, const char *, bool>;
    static inline const Age ages[] = {
        {"Debian 12's", "2023.03.04", true},           {"a year and a day", "2025.06.14", true},
        {"exactly a year", "2025.06.15", false},       {"recent", "2026.01.02", false},
        {"nightly suffix", "2024.01.01.232703", true}, {"not a date", "stable", false},
    };

private slots:
    void statusJsonNamesTheExecutable_data() { addCases(cases); }

    void statusJsonNamesTheExecutable()
    {
        const auto &[name, own, folders, path, source] = caseOf(cases);
        const QString ownPath = PlatformProfile::current().toolDirectory + "/yt-dlp";
        QDir(PlatformProfile::current().toolDirectory).removeRecursively();
        if (own)
            writeScript(ownPath, "echo 2025.01.15");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("REELIX_TOOL_SEARCH_PATH", folders);
        // Version lookups go nowhere: a closed port on this machine.
        for (const char *host :
             {"REELIX_GITHUB_URL", "REELIX_GITHUB_API_URL", "REELIX_FFMPEG_URL", "REELIX_NODE_URL"})
            env.insert(host, "http://127.0.0.1:9");
        const Harness::CliRun r = Harness::runCli({"tools", "status", "--json"}, {}, env);
        const QJsonObject ytdlp = r.json()[0].toObject();
        const QString expected = QString(path) == "own" ? ownPath : QString(path);
        QCOMPARE(ytdlp["path"], expected.isEmpty() ? QJsonValue() : QJsonValue(expected));
        QCOMPARE(ytdlp["source"], *source ? QJsonValue(source) : QJsonValue());
        QCOMPARE(ytdlp["status"].toString(), QString(own ? "unchecked" : "unknown"));
        QDir(PlatformProfile::current().toolDirectory).removeRecursively();
    }

    void oldYtdlp_data() { addCases(ages); }

    void oldYtdlp()
    {
        const auto &[name, version, old] = caseOf(ages);
        QCOMPARE(ToolVersions::ytdlpTooOld(version, QDate(2026, 6, 15)), old);
    }
};

REELIX_TEST_MAIN(TestSystemTools)
#include "tst_systemtools.moc"
