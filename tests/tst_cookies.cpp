#include "fixtures/EngineHarness.h"

#include "cookies/BrowserFinder.h"
#include "cookies/CookieFile.h"
#include "engine/SavedInfo.h"
#include "engine/SignInErrors.h"
#include "i18n/Localization.h"
#include "platform/ToolPaths.h"

using namespace Harness;

namespace {

const QString kValue = QStringLiteral("s3cret-Value-42");

// A Firefox profile as the browser leaves it: profiles.ini naming a folder
// whose cookies.sqlite holds the moz_cookies table yt-dlp reads.
void makeFirefoxProfile(const QString &root, const QString &folder, const QString &host)
{
    QDir().mkpath(root + "/" + folder);
    writeText(root + "/profiles.ini",
              "[Profile0]\nName=default-release\nIsRelative=1\nPath=" + folder +
                  "\nDefault=1\n\n[General]\nStartWithLastProfile=1\nVersion=2\n");
    const QString sql =
        "import sqlite3, sys\n"
        "c = sqlite3.connect(sys.argv[1])\n"
        "c.execute('CREATE TABLE moz_cookies (id INTEGER PRIMARY KEY, originAttributes TEXT NOT "
        "NULL DEFAULT \\'\\', name TEXT, value TEXT, host TEXT, path TEXT, expiry INTEGER, "
        "lastAccessed INTEGER, creationTime INTEGER, isSecure INTEGER, isHttpOnly INTEGER)')\n"
        "c.execute('INSERT INTO moz_cookies (name, value, host, path, expiry, lastAccessed, "
        "creationTime, isSecure, isHttpOnly) VALUES (\\'session\\', ?, ?, \\'/\\', "
        "4102444800, 0, 0, 0, 1)', (sys.argv[2], sys.argv[3]))\n"
        "c.commit()\n";
    QString error;
    QVERIFY2(runTool("python3", {"-c", sql, root + "/" + folder + "/cookies.sqlite", kValue, host},
                     {}, &error),
             qPrintable(error));
}

QString describe(const QList<FoundBrowser> &found)
{
    QStringList parts;
    for (const FoundBrowser &b : found) {
        QString text = b.displayName + "=" + b.source.arguments().join(' ');
        for (const FoundBrowser::Profile &p : b.profiles)
            text += " [" + p.name + "=" + p.source.arguments().value(1) + "]";
        parts << text;
    }
    return parts.join(" | ");
}

} // namespace

class TestCookies : public EngineTest
{
    Q_OBJECT

    // A scripted stand-in's error line (only YouTube gives these) → a sign-in wall?
    using Wall = std::tuple<const char *, const char *, bool>;
    static inline const Wall walls[] = {
        {"bot",
         "ERROR: [youtube] x: Sign in to confirm you’re not a bot. Use "
         "--cookies-from-browser or --cookies for the authentication.",
         true},
        {"age",
         "ERROR: [youtube] x: Sign in to confirm your age. This video may be "
         "inappropriate for some users.",
         true},
        {"members",
         "ERROR: [youtube] x: Join this channel to get access to members-only content "
         "like this video, and other exclusive perks.",
         true},
        {"private", "ERROR: [youtube] x: Private video. Sign in if you've been granted access.",
         true},
        {"registered", "ERROR: [vimeo] 1: This video is only available for registered users", true},
        {"media 403", "ERROR: unable to download video data: HTTP Error 403: Forbidden", false},
        {"unavailable", "ERROR: [youtube] x: Video unavailable", false},
    };

    // Cookie reading failures yt-dlp reports, as lines → what went wrong.
    using Trouble = std::tuple<const char *, const char *, SignInErrors::CookieTrouble>;
    static inline const Trouble troubles[] = {
        {"no profile", "FileNotFoundError: could not find chrome cookies database in \"/h\"",
         SignInErrors::CookieTrouble::NotFound},
        {"locked", "sqlite3.OperationalError: database is locked",
         SignInErrors::CookieTrouble::Locked},
        {"windows copy", "ERROR: Could not copy Chrome cookie database. See  https://x  for more",
         SignInErrors::CookieTrouble::Locked},
        {"keyring", "WARNING: cannot decrypt v11 cookies: no key found",
         SignInErrors::CookieTrouble::Keyring},
        {"kwallet", "ERROR: kwallet-query command not found.",
         SignInErrors::CookieTrouble::Keyring},
        {"json file",
         "http.cookiejar.LoadError: Cookies file must be Netscape formatted, not JSON.",
         SignInErrors::CookieTrouble::BadFile},
        {"newer yt-dlp", "ERROR: failed to load cookies", SignInErrors::CookieTrouble::Other},
        {"not cookies", "ERROR: [generic] Unsupported URL: http://x/",
         SignInErrors::CookieTrouble::None},
    };

    QString m_firefox;

    QString page() const { return m_server->httpUrl("private/page.html"); }
    QString served() const { return m_server->root() + "/private/clip.mp4"; }

    DownloadItem *settled(const QString &url)
    {
        DownloadItem *item = add(url);
        return QTest::qWaitFor([&] { return isSettled(item); }, 60000) ? item : nullptr;
    }

    void checkNoValueAnywhere(const QString &extra = {})
    {
        Logger::shared().waitUntilWritten();
        const QString log = readText(Logger::shared().filePath());
        QVERIFY2(!log.contains(kValue), "a cookie value in the log");
        QVERIFY(!extra.contains(kValue));
        for (const QFileInfo &f : QDir(QDir::tempPath()).entryInfoList(QDir::Files))
            QVERIFY2(!readText(f.filePath()).contains(kValue), qPrintable(f.fileName()));
    }

private slots:
    void initTestCase()
    {
        Localization::install(QLocale(QLocale::English));
        startServer();
        // The page and its video answer 403 unless the request carries the cookie.
        QDir().mkpath(m_server->root() + "/private");
        QVERIFY(QFile::copy(m_server->root() + "/h264.mp4", served()));
        writeText(m_server->root() + "/private/page.html",
                  "<html><head><title>Members</title></head><body><video "
                  "src=\"clip.mp4\"></video></body></html>");
        writeText(m_server->root() + "/routes.json",
                  "{\"cookie\": {\"/private/page.html\": \"session=" + kValue +
                      "\", \"/private/clip.mp4\": \"session=" + kValue +
                      "\"}, \"status\": {\"/private/broken.html\": 500}}");
        m_firefox = TestHome::path() + "/.mozilla/firefox";
    }

    void init()
    {
        resetEngine();
        CookieSource::none().save();
        QDir(m_firefox).removeRecursively();
    }

    void browsersFound_data()
    {
        QTest::addColumn<bool>("mac");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("found");
        QTest::newRow("none") << false << QStringList{} << "";
        QTest::newRow("firefox, two profiles, chromium, opera")
            << false
            << QStringList{".mozilla/firefox/a.default/cookies.sqlite",
                           ".mozilla/firefox/b.work/cookies.sqlite",
                           ".config/chromium/Default/Cookies",
                           ".config/chromium/Profile 1/Network/Cookies", ".config/opera/Cookies"}
            << "Firefox=--cookies-from-browser firefox [a.default=firefox:a.default] "
               "[b.work=firefox:b.work] | Chromium=--cookies-from-browser chromium "
               "[Default=chromium:Default] [Profile 1=chromium:Profile 1] | "
               "Opera=--cookies-from-browser opera";
        QTest::newRow("librewolf and a snap firefox, read from their folders")
            << false
            << QStringList{"snap/firefox/common/.mozilla/firefox/x.default/cookies.sqlite",
                           ".librewolf/y.default/cookies.sqlite"}
            << "Firefox=--cookies-from-browser firefox:HOME/snap/firefox/common/.mozilla/firefox"
               " | LibreWolf=--cookies-from-browser firefox:HOME/.librewolf";
        QTest::newRow("mac: safari, brave; linux folders ignored")
            << true
            << QStringList{"Library/Cookies/Cookies.binarycookies",
                           "Library/Application Support/BraveSoftware/Brave-Browser/Default/"
                           "Cookies",
                           ".config/chromium/Default/Cookies"}
            << "Brave=--cookies-from-browser brave | Safari=--cookies-from-browser safari";
    }

    void browsersFound()
    {
        QFETCH(bool, mac);
        QFETCH(QStringList, files);
        QFETCH(QString, found);
        QTemporaryDir home;
        for (const QString &file : files)
            writeText(home.path() + "/" + file, "x");
        const BrowserFinder finder(
            mac ? PlatformProfile::Kind::MacOS : PlatformProfile::Kind::Linux, home.path(), {});
        QCOMPARE(describe(finder.find()), QString(found).replace("HOME", home.path()));
    }

    void signInWalls_data() { addCases(walls); }

    // YouTube's texts, from a scripted stand-in, with and without cookies in use.
    void signInWalls()
    {
        const auto &[name, line, wall] = caseOf(walls);
        writeScript(ToolPaths::binDirectory() + "/yt-dlp",
                    QString("echo '%1' >&2; exit 1").arg(QString(line).replace("'", "'\\''")));
        DownloadItem *item = settled("https://www.youtube.com/watch?v=x");
        QCOMPARE(item->status(), DownloadStatus::Error);
        QCOMPARE(item->errorKind(), wall ? Failure::Kind::NeedsSignIn : Failure::Kind::Tool);
        if (wall)
            QCOMPARE(item->errorMessage(), qtTrId("error.sign_in_required"));
        CookieSource::fromBrowser("firefox").save();
        m_manager->retry(item);
        QTRY_VERIFY_WITH_TIMEOUT(isSettled(item) && item->status() != DownloadStatus::Waiting,
                                 30000);
        if (wall)
            QCOMPARE(item->errorMessage(), qtTrId("error.sign_in_expired").arg("Firefox"));
    }

    void cookieTroubles_data() { addCases(troubles); }

    void cookieTroubles()
    {
        const auto &[name, line, trouble] = caseOf(troubles);
        QCOMPARE(SignInErrors::cookieTrouble({"[generic] x: Requesting header", line}), trouble);
    }

    // The real yt-dlp against a page that wants the cookie, by cookie setting: the
    // page downloads, or the item ends saying what to do, never with a traceback.
    void cookieSettings_data()
    {
        QTest::addColumn<QString>("source"); // the cookie setting saved
        QTest::newRow("no setting") << "";
        QTest::newRow("firefox") << "browser";
        QTest::newRow("cookies.txt") << "file";
        QTest::newRow("no firefox profile") << "browser";
        QTest::newRow("missing file") << "file";
        QTest::newRow("bad line in file") << "file";
        QTest::newRow("oversized file") << "file";
    }

    void cookieSettings()
    {
        QFETCH(QString, source);
        const QString file = TestHome::path() + "/cookies.txt";
        QFile::remove(file);
        const bool works = tag() == "firefox" || tag() == "cookies.txt";
        if (tag() == "firefox")
            makeFirefoxProfile(m_firefox, "abc.default-release", "127.0.0.1");
        if (tag() == "cookies.txt" || tag() == "bad line in file")
            writeText(file, "# Netscape HTTP Cookie File\n127.0.0.1\tFALSE\t/\tFALSE\t" +
                                QString(works ? "4102444800" : "soon") + "\tsession\t" + kValue +
                                "\n");
        if (tag() == "oversized file") { // never read: sparse, and refused by its size
            writeText(file, "# Netscape HTTP Cookie File\n");
            QVERIFY(QFile(file).resize(CookieFile::kLargest + 1));
        }
        if (source == "browser")
            CookieSource::fromBrowser("firefox").save();
        else if (source == "file")
            CookieSource::fromFile(file).save();
        const QHash<QString, QString> errors{
            {"no setting", qtTrId("error.sign_in_required")},
            {"no firefox profile", qtTrId("error.cookies_not_found").arg("Firefox")},
            {"missing file", qtTrId("error.cookies_file_missing").arg(file)},
            {"bad line in file", qtTrId("error.cookies_file_unreadable").arg(file)},
            {"oversized file", qtTrId("error.cookies_file_too_large").arg(file, "32 MB")},
        };
        DownloadItem *item = settled(page());
        if (works) {
            QCOMPARE(item->status(), DownloadStatus::Ready);
            // The saved information keeps no cookie; the download run reads them anew.
            QVERIFY(!readText(item->savedInfo().usablePath()).isEmpty());
            QVERIFY(!readText(item->savedInfo().usablePath()).contains(kValue));
            QVERIFY(finish(item));
            QCOMPARE(item->status(), DownloadStatus::Done);
            QCOMPARE(mediaDigest(*item->filePath()), mediaDigest(served()));
            QVERIFY(logLines().join('\n').contains(
                tag() == "firefox" ? "--cookies-from-browser firefox" : "--cookies " + file));
        } else {
            QCOMPARE(item->status(), DownloadStatus::Error);
            QCOMPARE(item->errorKind(), tag() == "no setting" ? Failure::Kind::NeedsSignIn
                                                              : Failure::Kind::CookiesUnreadable);
            QCOMPARE(item->errorMessage(), errors.value(tag()));
        }
        checkNoValueAnywhere();
    }

    // Cookies "when a site asks": a run goes without them and, at a sign-in
    // wall only, once more with them.
    void whenASiteAsks_data()
    {
        QTest::addColumn<QString>("address");    // under the local server
        QTest::addColumn<QString>("cookieHost"); // of the Firefox cookie; empty: no setting
        QTest::addColumn<QString>("error");      // empty: the video downloads
        QTest::addColumn<int>("retries");        // runs that went again with cookies
        QTest::newRow("wall, signed in") << "private/page.html"
                                         << "127.0.0.1"
                                         << "" << 1;
        QTest::newRow("wall, session expired") << "private/page.html"
                                               << "other.example"
                                               << "error.sign_in_expired" << 1;
        QTest::newRow("not found") << "private/gone.html"
                                   << "127.0.0.1"
                                   << "*" << 0;
        QTest::newRow("server error") << "private/broken.html"
                                      << "127.0.0.1"
                                      << "*" << 0;
        QTest::newRow("never") << "private/page.html"
                               << ""
                               << "error.sign_in_required" << 0;
    }

    void whenASiteAsks()
    {
        QFETCH(QString, address);
        QFETCH(QString, cookieHost);
        QFETCH(QString, error);
        QFETCH(int, retries);
        if (!cookieHost.isEmpty()) {
            makeFirefoxProfile(m_firefox, "abc.default-release", cookieHost);
            CookieSource source = CookieSource::fromBrowser("firefox");
            source.onlyWhenAsked = true;
            source.save();
            QCOMPARE(CookieSource::fromSettings(), source);
        }
        DownloadItem *item = settled(m_server->httpUrl(address));
        QVERIFY(item);
        if (error.isEmpty()) {
            QCOMPARE(item->status(), DownloadStatus::Ready);
            QVERIFY(finish(item));
            QCOMPARE(item->status(), DownloadStatus::Done);
            QCOMPARE(mediaDigest(*item->filePath()), mediaDigest(served()));
        } else {
            QCOMPARE(item->status(), DownloadStatus::Error);
            const QString expected = qtTrId(qPrintable(error));
            if (error != "*")
                QCOMPARE(item->errorMessage(),
                         expected.contains("%1") ? expected.arg("Firefox") : expected);
        }
        const QString log = logLines().join('\n');
        // The information run went again once; the download run may too.
        QVERIFY(log.count("Sign-in wall: trying again") >= retries);
        QCOMPARE(log.count("Sign-in wall: trying again") > 0, retries > 0);
        QCOMPARE(log.contains("--cookies-from-browser"), retries > 0);
        checkNoValueAnywhere();
    }

    void cliTakesYtDlpsOptions()
    {
        makeFirefoxProfile(m_firefox, "abc.default-release", "127.0.0.1");
        const QString out = TestHome::path() + "/cli";
        const CliRun without = runCli({"download", "--folder", out, "--json", page()});
        QCOMPARE(without.exitCode, 1);
        QVERIFY2(without.err.contains(qtTrId("error.sign_in_required")), qPrintable(without.err));
        QVERIFY(without.err.contains("--cookies-from-browser BROWSER"));
        const CliRun with = runCli(
            {"download", "--folder", out, "--cookies-from-browser", "firefox", "--json", page()});
        QVERIFY2(with.exitCode == 0, qPrintable(with.err));
        const QString path = with.json().at(0).toObject().value("filePath").toString();
        QCOMPARE(mediaDigest(path), mediaDigest(served()));
        checkNoValueAnywhere(with.err + QString::fromUtf8(with.out));
        QCOMPARE(runCli({"info", "--cookies-from-browser", "netscape", page()}).exitCode, 2);
    }

    // Newer yt-dlp versions keep a format's cookies in a field of their own;
    // yt-dlp repeats a cookies file's line it cannot take, value and all.
    void noCookieValueKept()
    {
        const QString echo = "WARNING: skipping cookie file entry due to invalid expires at soon: "
                             "'127.0.0.1\\tFALSE\\t/\\tFALSE\\tsoon\\tsession\\t" +
                             kValue + "\\n'";
        QVERIFY(!CookieFile::withoutCookieValues(echo).contains(kValue));
        QVERIFY(!CookieFile::withoutCookieValues("> Cookie: session=" + kValue).contains(kValue));
        const QByteArray json = R"({"title":"t","http_headers":{"Cookie":"a=1","Accept":"x"},
            "formats":[{"format_id":"1","cookies":"a=1; Domain=h","http_headers":{"cookie":"a=1"}}]})";
        const QByteArray kept = SavedInfo::withoutCookies(json);
        QVERIFY(!kept.contains("a=1"));
        QVERIFY(kept.contains(R"("Accept":"x")") && kept.contains(R"("format_id":"1")"));
    }
};

REELIX_TEST_MAIN(TestCookies)
#include "tst_cookies.moc"
