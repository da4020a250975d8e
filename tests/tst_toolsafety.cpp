#include "fixtures/Support.h"
#include "fixtures/TestMain.h"
#include "fixtures/ToolMirror.h"

#include "deps/DependencyChecker.h"
#include "i18n/Localization.h"
#include "platform/PlatformProfile.h"
#include "platform/ToolPaths.h"

#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTranslator>

#include <sys/stat.h>

using namespace ToolFolder;
using Member = ToolMirror::Member;
using MemberKind = ToolMirror::Member::Kind;
Q_DECLARE_METATYPE(QList<Member>)

// What a hostile or unreliable mirror can do to an update: every case must
// leave the working tools as they were and write nothing outside the tool
// folder.
class TestToolSafety : public QObject
{
    Q_OBJECT

    std::unique_ptr<ToolMirror> m_mirror;

    // A file of the user's that a link in an archive points at.
    static QString precious() { return TestHome::path() + "/precious.txt"; }

    // The working tools: name, version option, what it prints.
    static inline const std::tuple<const char *, const char *, const char *> working[] = {
        {"yt-dlp", "--version", "2024.01.01"},
        {"ffmpeg", "-version", "ffmpeg version 6.0-old x"},
        {"ffprobe", "-version", "ffprobe version 6.0-old"},
        {"node", "--version", "v22.20.0"}};

    // The working tools, untouched, and nothing else.
    static void verifyWorkingToolsSurvived()
    {
        for (const auto &[name, option, output] : working)
            QCOMPARE(toolOutput(bin(name), option), QString(output));
        QCOMPARE(
            QDir(ToolPaths::binDirectory())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                           QDir::Name),
            (QStringList{"ffmpeg", "ffprobe", "node", "yt-dlp"}));
        QCOMPARE(leftovers(), QStringList());
        QCOMPARE(readText(precious()), QString("mine"));
        struct stat info
        {
        };
        QCOMPARE(::lstat(QFile::encodeName(precious()).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 07777), 0600);
    }

    // Marks `tool` as behind and everything else as current, then updates.
    static void update(DependencyChecker &checker, Dependency *tool)
    {
        for (Dependency *t : checker.tools())
            t->setStatus(DepStatus::upToDate("current"));
        tool->setStatus(tool == checker.node() ? DepStatus::updateAvailable("v22.20.0", "v22.21.0")
                                               : DepStatus::updateAvailable("old", "2025.01.15"));
        await(checker.updateAll());
        QVERIFY(!checker.isInstalling());
    }

    void redirect(const QString &from, const QString &to)
    {
        m_mirror->setRoutes(
            {{"redirect", QJsonObject{{"/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_linux",
                                       "/assets/yt-dlp_linux"},
                                      {from, to}}}});
    }

    static Dependency *toolNamed(DependencyChecker &checker, const QString &name)
    {
        const auto tools = checker.tools();
        return *std::find_if(tools.begin(), tools.end(),
                             [&](auto *t) { return t->fileName() == name; });
    }

private slots:
    void initTestCase()
    {
        m_mirror = std::make_unique<ToolMirror>(TestHome::path() + "/mirror");
        QVERIFY(m_mirror->isReady());
    }

    void cleanupTestCase() { m_mirror.reset(); }

    void init()
    {
        m_mirror->serveAnEmptyToolFolder();
        writeText(precious(), "mine");
        QFile::setPermissions(precious(), QFile::ReadOwner | QFile::WriteOwner);
        for (const auto &[name, option, output] : working)
            writeScript(bin(name), QString("echo '%1'").arg(output));
    }

    // A member that is not a regular file, or an archive cut short after its
    // first member, fails the update of that tool.
    void onlyRegularFilesArePlaced_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QList<Member>>("members");
        QTest::addColumn<bool>("truncated");
        const Member ffmpeg{"ffmpeg", MemberKind::Script, "echo 'ffmpeg version 7.1 x'"};
        const Member ffprobe{"ffprobe", MemberKind::Script, "echo 'ffprobe version 7.1'"};
        const auto row = [](const char *name, const char *tool, const QList<Member> &members,
                            bool truncated = false) {
            QTest::newRow(name) << QString(tool) << members << truncated;
        };
        row("ffmpeg links to a user file", "ffmpeg",
            {{"ffmpeg", MemberKind::Link, precious()}, ffprobe});
        row("ffprobe links to a user file", "ffmpeg",
            {ffmpeg, {"ffprobe", MemberKind::Link, precious()}});
        row("ffmpeg is a folder", "ffmpeg", {{"ffmpeg", MemberKind::Folder, {}}, ffprobe});
        row("ffmpeg is a fifo", "ffmpeg", {{"ffmpeg", MemberKind::Fifo, {}}, ffprobe});
        row("node links to a user file", "node", {{"bin/node", MemberKind::Link, precious()}});
        QString filler;
        for (int i = 0; i < 20000; ++i)
            filler += QString::number(quint64(i) * 2654435761u % 1000003, 36);
        row("ffmpeg archive cut short", "ffmpeg", {ffmpeg, {"ffprobe", MemberKind::Text, filler}},
            true);
        row("node archive cut short", "node",
            {{"bin/node", MemberKind::Script, "echo v22.21.0"},
             {"bin/npm", MemberKind::Text, filler}},
            true);
    }

    void onlyRegularFilesArePlaced()
    {
        QFETCH(QString, tool);
        QFETCH(QList<Member>, members);
        QFETCH(bool, truncated);
        const QString message = truncated ? "tar failed" : "is not a regular file";
        Localization::install(QLocale(QLocale::English));
        const auto untranslated = qScopeGuard([] {
            for (QTranslator *t : qApp->findChildren<QTranslator *>())
                QCoreApplication::removeTranslator(t);
        });
        const bool node = tool == "node";
        const QString archive = node ? "/hostile/node.tar.gz" : "/hostile/ffmpeg.tar.xz";
        QVERIFY(m_mirror->packMembers(archive, node ? "czf" : "cJf", "top", members));
        if (truncated) {
            QFile file(m_mirror->path(archive));
            QVERIFY(file.resize(file.size() / 2));
        }
        redirect(node ? "/dist/v22.21.0/node-v22.21.0-linux-x64.tar.gz"
                      : "/ffmpeg/releases/ffmpeg-release-amd64-static.tar.xz",
                 archive);
        DependencyChecker checker;
        Dependency *target = toolNamed(checker, tool);
        update(checker, target);
        QCOMPARE(target->status().kind(), DepStatus::Kind::Failed);
        QVERIFY2(target->status().message().contains(message),
                 qPrintable(target->status().message()));
        verifyWorkingToolsSurvived();
    }

    void onlyAToolThatRunsReplacesOne_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("html page served with 200")
            << QByteArray("<html><body>Rate limited</body></html>");
        QTest::newRow("script cut short") << QByteArray("#!/bin/sh\nec");
        QTest::newRow("binary cut short") << QByteArray("\x7f"
                                                        "ELF\x02\x01\x01",
                                                        7);
    }

    void onlyAToolThatRunsReplacesOne()
    {
        QFETCH(QByteArray, body);
        QFile file(m_mirror->path("/hostile/yt-dlp_linux"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(body) >= 0);
        file.close();
        redirect("/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_linux", "/hostile/yt-dlp_linux");
        DependencyChecker checker;
        update(checker, checker.ytdlp());
        QCOMPARE(checker.ytdlp()->status().kind(), DepStatus::Kind::Failed);
        QVERIFY(!checker.ytdlp()->status().message().isEmpty());
        verifyWorkingToolsSurvived();
    }

    void aBrokenToolIsRepaired_data() { addTags({"install", "update"}); }

    void aBrokenToolIsRepaired()
    {
        writeText(bin("yt-dlp"), "<html>not a program</html>");
        QFile::setPermissions(bin("yt-dlp"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        DependencyChecker checker;
        await(checker.checkStatus());
        QCOMPARE(checker.ytdlp()->status().kind(), DepStatus::Kind::Failed);
        QVERIFY(!checker.ytdlp()->status().message().isEmpty());
        QVERIFY(checker.hasFailure());
        QCOMPARE(checker.ffmpeg()->status().kind(), DepStatus::Kind::UpdateAvailable);
        await(tag() == "install" ? checker.installAll() : checker.updateAll());
        QCOMPARE(checker.ytdlp()->status().kind(), DepStatus::Kind::Installed);
        QCOMPARE(toolOutput(bin("yt-dlp"), "--version"), QString("2025.01.15"));
        QVERIFY2(!checker.hasFailure(), qPrintable(checker.logOutput()));
        QCOMPARE(leftovers(), QStringList());
    }
};

REELIX_TEST_MAIN(TestToolSafety)
#include "tst_toolsafety.moc"
