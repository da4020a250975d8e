#include "fixtures/TestMain.h"

#include "deps/ToolInstall.h"
#include "engine/ProcessRunner.h"
#include "engine/ToolSandbox.h"
#include "platform/Sandbox.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>

// A stand-in tool, started the way the real tools are, tries to leave what
// its kind of run may touch. Each attempt fails with the sandbox on and
// succeeds with it off, so the test shows the sandbox is what stops it.
class TestSandbox : public QObject
{
    Q_OBJECT

    enum class Kind
    {
        YtDlp,
        Media,
        Unpack
    };
    // name, kind of run, the stand-in's shell command, whether the sandbox stops it
    using Attempt = std::tuple<const char *, Kind, const char *, bool>;
    static inline const Attempt attempts[] = {
        {"yt-dlp writes ~/.bashrc", Kind::YtDlp, "echo owned >> \"$HOME/.bashrc\"", true},
        {"yt-dlp reads ~/.ssh", Kind::YtDlp, "cat \"$HOME/.ssh/id_ed25519\"", true},
        {"yt-dlp writes beside its folder", Kind::YtDlp, "echo x > \"$OUT/../stray\"", true},
        {"yt-dlp deletes a user's file", Kind::YtDlp, "rm \"$HOME/Videos/mine.mp4\"", true},
        {"yt-dlp writes in its folder", Kind::YtDlp, "echo x > \"$OUT/part\"", false},
        {"yt-dlp reaches the network", Kind::YtDlp, "exec 3<>/dev/tcp/127.0.0.1/$PORT", false},
        {"ffmpeg writes ~/.bashrc", Kind::Media, "echo owned >> \"$HOME/.bashrc\"", true},
        {"ffmpeg reads ~/.ssh", Kind::Media, "cat \"$HOME/.ssh/id_ed25519\"", true},
        {"ffmpeg reads another file", Kind::Media, "cat \"$HOME/Videos/mine.mp4\"", true},
        {"ffmpeg writes beside its output", Kind::Media, "echo x > \"$OUT/../stray\"", true},
        {"ffmpeg opens a connection", Kind::Media, "exec 3<>/dev/tcp/127.0.0.1/$PORT", true},
        {"ffmpeg reads its input", Kind::Media, "cat \"$IN\"", false},
        {"ffmpeg writes its output", Kind::Media, "cat \"$IN\" > \"$OUT/out.mp4\"", false},
        {"tar writes ~/.bashrc", Kind::Unpack, "echo owned >> \"$HOME/.bashrc\"", true},
        {"tar writes beside its folder", Kind::Unpack, "echo x > \"$OUT/../stray\"", true},
        {"tar opens a connection", Kind::Unpack, "exec 3<>/dev/tcp/127.0.0.1/$PORT", true},
        {"tar unpacks into its folder", Kind::Unpack, "cat \"$IN\" > \"$OUT/node\"", false},
    };

    QString m_home;
    QString m_output;
    QString m_input;
    QString m_tool;
    QTcpServer m_listener;

    // Whether the stand-in's command succeeded, and what it printed.
    std::pair<bool, QByteArray> runStandIn(Kind kind, const QString &command)
    {
        if (kind == Kind::Unpack)
            return {!ToolInstall::unpackAndWait(m_tool, {command},
                                                ToolInstall::unpackRules(m_input, m_output)),
                    {}};
        QProcess process;
        process.setProgram(m_tool);
        process.setArguments({command});
        RunOptions options;
        options.sandbox = kind == Kind::YtDlp
                              ? ToolSandbox::forYtDlp({m_output}, {}, CookieSource::none())
                              : ToolSandbox::forMedia({m_input}, m_output);
        const ProcessRunResult result = await(run(process, std::move(options)));
        return {result.started() && result.status == 0, result.stdoutData};
    }

private slots:
    void initTestCase()
    {
        if (Sandbox::abi() == 0)
            QSKIP("this kernel has no Landlock: the tools run without a sandbox");
        m_home = QDir::homePath();
        QDir().mkpath(m_home + "/.ssh");
        QDir().mkpath(m_home + "/Videos/.reelix-work-1");
        writeText(m_home + "/.ssh/id_ed25519", "PRIVATE KEY\n");
        m_output = m_home + "/Videos/.reelix-work-1";
        m_input = m_home + "/Videos/input.mp4";
        writeText(m_input, "media");
        // Outside the run's folders, as the tools are.
        m_tool = writeScript(m_home + "/standin/tool", "exec /bin/bash -c \"$1\"");
        QVERIFY(m_listener.listen(QHostAddress::LocalHost));
        qputenv("OUT", m_output.toUtf8());
        qputenv("IN", m_input.toUtf8());
        qputenv("PORT", QByteArray::number(m_listener.serverPort()));
    }

    void init()
    {
        writeText(m_home + "/.bashrc", "# the user's\n");
        writeText(m_home + "/Videos/mine.mp4", "the user's video");
        QFile::remove(m_home + "/Videos/stray");
    }

    void cleanup() { qunsetenv("REELIX_SANDBOX"); }

    void attemptsStayInside_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("sandboxOn");
        for (std::size_t i = 0; i < std::size(attempts); ++i) {
            const char *name = std::get<0>(attempts[i]);
            QTest::addRow("%s, sandbox on", name) << int(i) << true;
            QTest::addRow("%s, sandbox off", name) << int(i) << false;
        }
    }

    void attemptsStayInside()
    {
        QFETCH(int, index);
        QFETCH(bool, sandboxOn);
        const auto &[name, kind, command, stopped] = attempts[index];
        if (QString(command).contains("PORT") && !Sandbox::limitsNetwork() && stopped)
            QSKIP("this kernel's Landlock cannot forbid a connection");
        if (!sandboxOn)
            qputenv("REELIX_SANDBOX", "off");
        const auto [succeeded, printed] = runStandIn(kind, command);
        const bool refused = sandboxOn && stopped;
        QCOMPARE(succeeded, !refused);
        if (refused) {
            QCOMPARE(readText(m_home + "/.bashrc"), "# the user's\n");
            QVERIFY(QFile::exists(m_home + "/Videos/mine.mp4"));
            QVERIFY(!QFile::exists(m_home + "/Videos/stray"));
            QVERIFY(!printed.contains("PRIVATE KEY"));
            QVERIFY(!printed.contains("the user's video"));
        }
    }
};

REELIX_TEST_MAIN(TestSandbox)
#include "tst_sandbox.moc"
