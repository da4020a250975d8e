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

    static void installWorkingTools()
    {
        writeScript(bin("yt-dlp"), "echo 2024.01.01");
        writeScript(bin("ffmpeg"), "echo 'ffmpeg version 6.0-old x'");
        writeScript(bin("ffprobe"), "echo 'ffprobe version 6.0-old'");
        writeScript(bin("node"), "echo v22.20.0");
    }

    // The tools placed by installWorkingTools, untouched, and nothing else.
    static void verifyWorkingToolsSurvived()
    {
        QCOMPARE(toolOutput(bin("yt-dlp"), "--version"), QString("2024.01.01"));
        QCOMPARE(toolOutput(bin("ffmpeg"), "-version"), QString("ffmpeg version 6.0-old x"));
        QCOMPARE(toolOutput(bin("ffprobe"), "-version"), QString("ffprobe version 6.0-old"));
        QCOMPARE(toolOutput(bin("node"), "--version"), QString("v22.20.0"));
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
        for (Dependency *tool : checker.tools()) {
            if (tool->fileName() == name)
                return tool;
        }
        return nullptr;
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
        installWorkingTools();
    }

    void onlyRegularFilesArePlaced_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QList<Member>>("members");
        QTest::addColumn<bool>("truncated");
        QTest::addColumn<QString>("message");
        const Member ffmpeg{"ffmpeg", MemberKind::Script, "echo 'ffmpeg version 7.1 x'"};
        const Member ffprobe{"ffprobe", MemberKind::Script, "echo 'ffprobe version 7.1'"};
        QTest::newRow("ffmpeg links to a user file")
            << "ffmpeg" << QList<Member>{{"ffmpeg", MemberKind::Link, precious()}, ffprobe} << false
            << "is not a regular file";
        QTest::newRow("ffprobe links to a user file")
            << "ffmpeg" << QList<Member>{ffmpeg, {"ffprobe", MemberKind::Link, precious()}} << false
            << "is not a regular file";
        QTest::newRow("ffmpeg is a folder")
            << "ffmpeg" << QList<Member>{{"ffmpeg", MemberKind::Folder, {}}, ffprobe} << false
            << "is not a regular file";
        QTest::newRow("ffmpeg is a fifo")
            << "ffmpeg" << QList<Member>{{"ffmpeg", MemberKind::Fifo, {}}, ffprobe} << false
            << "is not a regular file";
        QTest::newRow("node links to a user file")
            << "node" << QList<Member>{{"bin/node", MemberKind::Link, precious()}} << false
            << "is not a regular file";
        // The first member arrives whole, then the archive breaks off.
        QString filler;
        for (int i = 0; i < 20000; ++i)
            filler += QString::number(quint64(i) * 2654435761u % 1000003, 36);
        QTest::newRow("ffmpeg archive cut short")
            << "ffmpeg" << QList<Member>{ffmpeg, {"ffprobe", MemberKind::Text, filler}} << true
            << "tar failed";
        QTest::newRow("node archive cut short")
            << "node"
            << QList<Member>{{"bin/node", MemberKind::Script, "echo v22.21.0"},
                             {"bin/npm", MemberKind::Text, filler}}
            << true << "tar failed";
    }

    void onlyRegularFilesArePlaced()
    {
        QFETCH(QString, tool);
        QFETCH(QList<Member>, members);
        QFETCH(bool, truncated);
        QFETCH(QString, message);
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
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(body);
        file.close();
        redirect("/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_linux", "/hostile/yt-dlp_linux");
        DependencyChecker checker;
        update(checker, checker.ytdlp());
        QCOMPARE(checker.ytdlp()->status().kind(), DepStatus::Kind::Failed);
        QVERIFY(!checker.ytdlp()->status().message().isEmpty());
        verifyWorkingToolsSurvived();
    }

    void aBrokenToolIsRepaired_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("install") << "install";
        QTest::newRow("update") << "update";
    }

    void aBrokenToolIsRepaired()
    {
        QFETCH(QString, action);
        writeText(bin("yt-dlp"), "<html>not a program</html>");
        QFile::setPermissions(bin("yt-dlp"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        DependencyChecker checker;
        await(checker.checkStatus());
        QCOMPARE(checker.ytdlp()->status().kind(), DepStatus::Kind::Failed);
        QVERIFY(!checker.ytdlp()->status().message().isEmpty());
        QVERIFY(checker.hasFailure());
        QCOMPARE(checker.ffmpeg()->status().kind(), DepStatus::Kind::UpdateAvailable);
        await(action == "install" ? checker.installAll() : checker.updateAll());
        QCOMPARE(checker.ytdlp()->status().kind(), DepStatus::Kind::Installed);
        QCOMPARE(toolOutput(bin("yt-dlp"), "--version"), QString("2025.01.15"));
        QVERIFY2(!checker.hasFailure(), qPrintable(checker.logOutput()));
        QCOMPARE(leftovers(), QStringList());
    }
};

REELIX_TEST_MAIN(TestToolSafety)
#include "tst_toolsafety.moc"
