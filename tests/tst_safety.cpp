#include "engine/ProcessRunner.h"
#include "fixtures/EngineHarness.h"
#include "i18n/Localization.h"
#include "platform/ToolPaths.h"

#include <QJsonObject>

#include <csignal>

using namespace Harness;

// What must hold whatever the page, the folder, the user's configuration or
// the timing of a stop: files land where they belong and every child ends.
class TestSafety : public EngineTest
{
    Q_OBJECT

    // Every child of a run is reached by a stop: the probe and the retag
    // after a download, the probe after a conversion.
    using StopCase =
        std::tuple<const char *, const char *, const char *, const char *, const char *>;
    static inline const StopCase stopCases[] = {
        {"probe, stop button", "h264.mp4", "ffprobe", "\"-v quiet\"*-show_streams*", "item"},
        {"probe, manager ends", "h264.mp4", "ffprobe", "\"-v quiet\"*-show_streams*", "manager"},
        {"probe, terminal stop", "h264.mp4", "ffprobe", "\"-v quiet\"*-show_streams*", "cli"},
        {"retag, stop button", "hev1.mp4", "ffmpeg", "*hvc1*", "item"},
        {"probe after conversion", "vp9.webm", "ffprobe", "\"-v quiet\"*-show_streams*.mp4",
         "convert"},
    };

    // Sources the web serves that QuickTime cannot play as they are convert
    // into 8-bit 4:2:0 H.264 of even size with one video and one audio stream.
    // ffmpeg's arguments for the source (PIC a test picture of the size that
    // follows, TONE a second of sound) → ffprobe's view of the converted file.
    using Source = std::tuple<const char *, const char *, const char *>;
    static inline const Source sourceCases[] = {
        {"odd width and height", "PIC321x241 TONE VP9 -c:a libopus -shortest odd.webm",
         "h264|320|240|yuv420p aac"},
        {"10-bit 4:2:2",
         "PIC320x240 TONE -c:v libx264 -preset ultrafast -pix_fmt yuv422p10le -c:a aac -shortest "
         "ten.mkv",
         "h264|320|240|yuv420p aac"},
        {"4:4:4", "PIC320x240 TONE VP9 -pix_fmt yuv444p -c:a libopus -shortest full.webm",
         "h264|320|240|yuv420p aac"},
        {"video without audio", "PIC320x240 VP9 silent.webm", "h264|320|240|yuv420p"},
        {"extra streams",
         "PIC320x240 PIC640x480 TONE TONE -f srt -i subtitles.srt -map 0 -map 1 -map 2 -map 3 "
         "-map 4 VP9 -c:a libopus -c:s srt -shortest extra.mkv",
         "h264|320|240|yuv420p aac"},
    };

    static qint64 pidIn(const QString &file) { return readText(file).trimmed().toLongLong(); }

    // A tool in our tool folder that, when its arguments match `pattern`, says
    // where it is (PID) and hangs; otherwise it is the real one.
    static QString hangingTool(const QString &name, const QString &pattern,
                               const QString &hang = "echo $$ > PID; exec sleep 300")
    {
        const QString pidFile = TestHome::path() + "/" + name + ".pid";
        QFile::remove(pidFile);
        const QString bin = ToolPaths::binDirectory();
        for (const QString &tool : {QString("ffmpeg"), QString("ffprobe")})
            QFile::link("/usr/bin/" + tool, bin + "/" + tool);
        QFile::remove(bin + "/" + name);
        writeScript(bin + "/" + name, "case \"$*\" in\n  " + pattern + ") " +
                                          QString(hang).replace("PID", "'" + pidFile + "'") +
                                          ";;\nesac\nexec /usr/bin/" + name + " \"$@\"");
        return pidFile;
    }

    // A yt-dlp that ignores SIGTERM, as a hung tool may.
    static QString stubbornYtDlp()
    {
        return hangingTool("yt-dlp", "*", "trap '' TERM; echo $$ > PID; while :; do sleep 1; done");
    }

    // reelix-cli downloads `file`; once the tool wrote `pidFile`, Ctrl-C
    // `times`: the command ends with 130 and reports the item cancelled.
    void interruptCli(const QString &file, const QString &pidFile, int times, QString *err = {})
    {
        QProcess cli;
        cli.start(REELIX_CLI_PATH,
                  {"download", "--json", "--folder", folder(), m_server->httpUrl(file)});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(pidFile).size() > 0, 60000);
        for (int i = 0; i < times; ++i)
            ::kill(pid_t(cli.processId()), SIGINT);
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 130);
        QCOMPARE(lastJson(cli.readAllStandardOutput())[0].toObject()["status"].toString(),
                 QString("cancelled"));
        if (err)
            *err = QString::fromUtf8(cli.readAllStandardError());
    }

private slots:
    void initTestCase()
    {
        Localization::install(QLocale(QLocale::English));
        // The stand-in tools write their process ids in the test's home,
        // which the tool sandbox rightly keeps them from writing.
        qputenv("REELIX_SANDBOX", "off");
        startServer();
        // Large enough that a slow transfer of it is still going when stopped.
        QVERIFY(makeMedia(60, Codecs::h264 + words("-b:v 2M"), m_server->root() + "/long.mp4"));
    }

    void init() { resetEngine(); }

    void cleanup()
    {
        m_manager.reset();
        QDir(ToolPaths::binDirectory()).removeRecursively();
    }

    // A configuration file yt-dlp would read by itself never applies (nor one in
    // the caller's folder: the tools start in their own, oneRunPerItem), and
    // "%(…)s" in the folder is no output template.
    void downloadsFollowReelixAlone()
    {
        const QString marker = TestHome::path() + "/marker";
        const QString config = TestHome::path() + "/.config/yt-dlp/config";
        writeText(config, "--exec \"touch " + marker + "\"\n");
        const QString literal = TestHome::path() + "/a%(id)s b%%";
        useFolder(*m_manager, literal);
        DownloadItem *item = readyItem(m_server->httpUrl("h264.mp4"));
        QVERIFY(item && finish(item));
        QFile::remove(config);
        QCOMPARE(item->status(), DownloadStatus::Done);
        QVERIFY(!QFileInfo::exists(marker));
        QCOMPARE(item->filePath(), std::optional<QString>(literal + "/h264.mp4"));
        QVERIFY(QFileInfo(literal + "/h264.mp4").isFile());
    }

    // SIGKILL follows SIGTERM after a short grace.
    void stopEndsAToolThatIgnoresTerm()
    {
        const QString pidFile = stubbornYtDlp();
        DownloadItem *item = add(m_server->httpUrl("h264.mp4"));
        QTRY_VERIFY_WITH_TIMEOUT(childOf(item) && QFileInfo(pidFile).size() > 0, 20000);
        const qint64 pid = pidIn(pidFile);
        QVERIFY(processAlive(pid));
        item->cancelRun();
        QTRY_COMPARE_WITH_TIMEOUT(item->status(), DownloadStatus::Cancelled, 20000);
        QVERIFY(!processAlive(pid));
    }

    // The second Ctrl-C ends the command without waiting for any tool, with
    // the summary and the JSON all the same.
    void secondInterruptStopsAtOnce()
    {
        const QString pidFile = stubbornYtDlp();
        QString err;
        interruptCli("h264.mp4", pidFile, 2, &err);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(err.contains("1 item: 1 cancelled"), qPrintable(err));
        QTRY_VERIFY_WITH_TIMEOUT(!processAlive(pidIn(pidFile)), 10000);
    }

    // kill -9 of Reelix leaves no yt-dlp behind; after Ctrl-C, which no saved
    // list resumes, no part either.
    void childrenDieWithReelix_data() { addTags({"kill -9", "Ctrl-C"}); }
    void childrenDieWithReelix()
    {
        const bool killed = tag() == "kill -9";
        QProcess cli;
        cli.start(REELIX_CLI_PATH,
                  {"download", "--folder", folder(), m_server->slowUrl("long.mp4")});
        QList<qint64> children;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(children = processesWith("--no-simulate", cli.processId())).isEmpty() &&
                hasPartialFile(folder()),
            60000);
        ::kill(pid_t(cli.processId()), killed ? SIGKILL : SIGINT);
        QVERIFY(cli.waitForFinished(30000));
        const qint64 child = children.first();
        const bool ended = QTest::qWaitFor([&] { return !processAlive(child); }, 10000);
        if (!ended)
            ::kill(pid_t(child), SIGKILL);
        QVERIFY(ended);
        if (!killed)
            QCOMPARE(
                QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                QStringList());
    }

    // A second start, retry or convert while a run goes leaves that run alone;
    // the tools run in a folder of their own, not the caller's.
    void oneRunPerItem_data() { addTags({"start", "retry", "convert"}); }

    void oneRunPerItem()
    {
        const bool converting = tag() == "convert";
        DownloadItem *item = converting ? readyItem(m_server->httpUrl("vp9.webm"))
                                        : downloading(m_server->slowUrl("long.mp4"));
        QVERIFY(item);
        if (converting) {
            QVERIFY(finish(item) && item->file().needsConversion);
            m_manager->convert(item);
        }
        const QProcess *running = childOf(item);
        const DownloadStatus status = item->status();
        QVERIFY(running);
        if (tag() == "start")
            m_manager->start(item);
        else if (tag() == "retry")
            m_manager->retry(item);
        else
            m_manager->convert(item);
        QCOMPARE(item->status(), status);
        QCOMPARE(childOf(item), running);
        if (!converting) { // the download, still going, runs in the run folder
            const QString cwd = QString("/proc/%1/cwd").arg(running->processId());
            QCOMPARE(QFileInfo(cwd).symLinkTarget(),
                     QFileInfo(ToolPaths::runDirectory()).canonicalFilePath());
            return item->cancelRun();
        }
        QTRY_VERIFY_WITH_TIMEOUT(item->status() != DownloadStatus::Converting, 120000);
        QCOMPARE(item->status(), DownloadStatus::Done);
        QCOMPARE(item->filePath(), std::optional<QString>(folder() + "/vp9_qt.mp4"));
    }

    void stopsReachEveryChild_data() { addCases(stopCases); }

    void stopsReachEveryChild()
    {
        const auto &[name, path, tool, pattern, stopText] = caseOf(stopCases);
        const QString stop = stopText;
        const QString pidFile = hangingTool(tool, pattern);
        const QString dir = folder();
        if (stop == "cli") {
            interruptCli(path, pidFile, 1);
        } else {
            DownloadItem *item = readyItem(m_server->httpUrl(path));
            QVERIFY(item);
            if (stop == "convert")
                QVERIFY(finish(item));
            stop == "convert" ? m_manager->convert(item) : m_manager->start(item);
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(pidFile).size() > 0 && childOf(item), 60000);
            if (stop == "manager") {
                m_manager.reset();
            } else {
                item->cancelRun();
                QTRY_VERIFY_WITH_TIMEOUT(isSettled(item), 20000);
                // A stopped conversion leaves the download as it was.
                QCOMPARE(item->status(),
                         stop == "convert" ? DownloadStatus::Done : DownloadStatus::Cancelled);
                QVERIFY(!childOf(item));
            }
        }
        QTRY_VERIFY_WITH_TIMEOUT(!processAlive(pidIn(pidFile)), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(dir + "/" + path).isFile(), 10000);
        QVERIFY(!QFileInfo::exists(dir + "/vp9_qt.mp4"));
    }
    void convertsWhatTheWebServes_data() { addCases(sourceCases); }

    void convertsWhatTheWebServes()
    {
        const auto &[name, source, expected] = caseOf(sourceCases);
        const QStringList make =
            words(QString(source)
                      .replace("PIC", "-f lavfi -i testsrc=rate=25:duration=1:size=")
                      .replace("TONE", "-f lavfi -i sine=duration=1")
                      .replace("VP9", "-c:v libvpx-vp9 -deadline realtime -cpu-used 8"));
        writeText(m_server->root() + "/subtitles.srt", "1\n00:00:00,000 --> 00:00:00,900\nHi\n");
        QString error;
        QVERIFY2(runTool("ffmpeg", words("-hide_banner -loglevel error -y") + make,
                         m_server->root(), &error),
                 qPrintable(error));
        DownloadItem *item = doneItem(m_server->root() + "/" + make.last(), make.last());
        QVERIFY(finish(item, true));
        QCOMPARE(item->status(), DownloadStatus::Done);
        QVERIFY(!item->file().needsConversion && item->filePath());
        QCOMPARE(streams(*item->filePath()), words(expected));
    }

    // The height chosen is the height downloaded; when it cannot be, the row says so.
    void chosenHeightIsKept_data() { addTags({"muxed variant", "variant gone"}); }

    void chosenHeightIsKept()
    {
        const bool variantGone = tag() == "variant gone";
        // A copy of the two-variant HLS stream that the test may change.
        const QString hls = m_server->root() + "/hls-copy";
        QDir(hls).removeRecursively();
        QDir().mkpath(hls);
        for (const QString &name : QDir(m_server->root() + "/hls").entryList(QDir::Files))
            QFile::copy(m_server->root() + "/hls/" + name, hls + "/" + name);
        DownloadItem *item = readyItem(m_server->httpUrl("hls-copy/master.m3u8"));
        QVERIFY(item);
        for (const VideoFormat &f : item->formats())
            if (f.height == 180)
                item->setSelectedFormatID(f.id);
        QVERIFY(!item->selectedFormatID().isEmpty());
        // The 180p variant and its address on the next line, and the playlist
        // there, which the saved information names.
        if (variantGone) {
            const QString master = readText(hls + "/master.m3u8");
            const auto variant = QRegularExpression(".*320x180.*\n(.*)\n").match(master);
            writeText(hls + "/master.m3u8", QString(master).remove(variant.captured()));
            QFile::remove(hls + "/" + variant.captured(1));
        }
        QVERIFY(finish(item));
        QCOMPARE(item->status(), DownloadStatus::Done);
        QVERIFY(item->filePath());
        QCOMPARE(
            streams(*item->filePath()),
            (QStringList{variantGone ? "h264|640|360|yuv444p" : "h264|320|180|yuv444p", "aac"}));
        QCOMPARE(item->statusMessage(),
                 variantGone ? QString("Downloaded at 360p: 180p was not available") : QString());
    }
};

REELIX_TEST_MAIN(TestSafety)
#include "tst_safety.moc"
