#pragma once

#include "Dependency.h"
#include "StopSwitch.h"

#include "platform/Failure.h"
#include "platform/PlatformProfile.h"
#include "platform/ToolPaths.h"

#include <QFuture>

#include <QCoro/QCoroTask>

#include <functional>
#include <optional>

class QNetworkAccessManager;
class ReleaseLookup;

// Owns the three tool records (yt-dlp, ffmpeg, Node.js, always in that order)
// and publishes the installer's state to the setup view. The work itself is
// done by parts with one job each: ReleaseLookup asks for published
// versions, ToolDownload fetches a file, ToolInstall unpacks and places it.
class DependencyChecker : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString logOutput READ logOutput NOTIFY logOutputChanged)
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(QString currentStep READ currentStep NOTIFY currentStepChanged)
    Q_PROPERTY(Dependency *ytdlp READ ytdlp CONSTANT)
    Q_PROPERTY(Dependency *ffmpeg READ ffmpeg CONSTANT)
    Q_PROPERTY(Dependency *node READ node CONSTANT)
    Q_PROPERTY(bool hasUpdates READ hasUpdates NOTIFY statusesChanged)
    Q_PROPERTY(bool allReady READ allReady NOTIFY statusesChanged)
    Q_PROPERTY(bool hasFailure READ hasFailure NOTIFY statusesChanged)
    // Why the last run could not reach a distributor, put to fit in a
    // sentence ("connection refused"); empty when it could.
    Q_PROPERTY(QString networkProblem READ networkProblem NOTIFY networkProblemChanged)

public:
    // What the setup view shows, the first that holds: a run, the version
    // checks, a failed update, then what the tools' statuses add up to.
    enum class Phase
    {
        Installing,       // a first install, or one tool put in working order
        Updating,         // an update (some tool is `updating`)
        RollingBack,      // a previous version going back in place
        CheckingUpdates,  // the version checks
        UpdateFailed,     // the last update failed; the tools it left still work
        UpdatesAvailable, // every tool works, some have a newer version
        Unchecked,        // every tool works, some published version was not found
        Ready,            // every tool works and is up to date
        SystemToolsFound, // every tool missing from our folder is on the system
        Missing           // tools to download (or to retry)
    };
    Q_ENUM(Phase)

    // What the views start; a job asked for while another runs is ignored.
    enum class Job
    {
        CheckInstalled,
        InstallAll,
        Update,
        RetryUpdate,
        InstallOne, // the given tool
        RollBack    // the given tool
    };
    Q_ENUM(Job)

    explicit DependencyChecker(QObject *parent = nullptr);
    ~DependencyChecker() override;

    QString logOutput() const { return m_logOutput; }
    Phase phase() const;
    QString currentStep() const { return m_currentStep; }
    Dependency *ytdlp() const { return m_ytdlp; }
    Dependency *ffmpeg() const { return m_ffmpeg; }
    Dependency *node() const { return m_node; }
    QList<Dependency *> tools() const { return {m_ytdlp, m_ffmpeg, m_node}; }

    bool hasUpdates() const;
    bool allReady() const;
    bool hasFailure() const;
    QString networkProblem() const { return m_networkProblem; }

    static QString toolPath(const Dependency *tool);
    // The executable the engine runs for a tool: ours, else the system's.
    static std::optional<ToolPaths::Located> located(const Dependency *tool);
    // The file start-up tests: ours, or the one located once the user has
    // chosen to work with the system's tools.
    static QString startupPath(const Dependency *tool);

    // Marks each tool `checking` and tests the three files in the background;
    // the statuses change after this has returned.
    QCoro::Task<> checkInstalled();
    // Version checks: the three run at once; each sets its tool's status.
    QCoro::Task<> checkForUpdates();
    // The installed check, then the version checks of the tools found (a
    // missing tool stays `unknown`).
    QCoro::Task<> checkStatus();
    // Installation: one tool after another, stopping at the first failure.
    // Node.js is the newest release of the profile's LTS line, as the
    // version check finds it.
    QCoro::Task<> installAll();
    QCoro::Task<> installTools(QList<Dependency *> chosen);
    QCoro::Task<> updateAll();
    // The tools the last update left failed, and only those.
    QCoro::Task<> retryFailedUpdates();
    // Ends the transfers and version runs under way: the operation running
    // ends soon after, the tools it did not finish `unknown`.
    Q_INVOKABLE void stop() { m_stop.throwOn(); }
    // Puts back the version the last update replaced; false (and the current
    // tool in place) when there is none or it does not run.
    QCoro::Task<bool> rollBack(Dependency *tool);

    // Starts a job without waiting for it, unless an install, update or
    // rollback is running; `tool` is one of ours for InstallOne and RollBack.
    Q_INVOKABLE void start(DependencyChecker::Job job, Dependency *tool = nullptr);
    // Remembers that the user chose the system's copies of the missing
    // tools, for this start and the next.
    Q_INVOKABLE void continueWithSystemTools();

signals:
    void logOutputChanged();
    void phaseChanged();
    void currentStepChanged();
    void statusesChanged();
    void networkProblemChanged();

protected:
    enum class Run
    {
        None,
        Install,
        Update,
        RollBack
    };
    // The views' states are staged through these in the tests and the
    // screenshot tool; in the app only the checker's own work sets them.
    void setLogOutput(const QString &value);
    void appendLog(const QString &line);
    void setRun(Run run);
    void setCheckingUpdates(bool value);
    void setCurrentStep(const QString &value);
    void setUpdateFailed(bool value);
    void setNetworkProblem(const QString &reason);

private:
    enum class Placement
    {
        Executable,
        FfmpegArchive,
        NodeArchive
    };
    struct Source
    {
        QList<ToolSource> downloads;
        Placement placement;
        const char *setupStep;  // step key during first-time setup
        const char *updateStep; // step key during an update
    };
    // What the worker thread needs to place a tool.
    struct Placed
    {
        QStringList files;
        QString destination;
        QString versionArgument;
        Placement placement;
        ToolRecord::Verification verification;
        PlatformProfile profile;
    };
    Source sourceFor(const Dependency *tool, const QString &nodeVersion) const;
    // The source, after looking up Node.js's version when none is given;
    // nothing, and the tool failed, when that lookup fails.
    QCoro::Task<std::optional<Source>> findSource(Dependency *tool, QString nodeVersion);
    void fail(Dependency *tool, const QString &message, Failure::Kind kind = Failure::Kind::Tool);
    QCoro::Task<> updateTools(bool onlyFailed);
    QCoro::Task<> findSystemTool(Dependency *tool);
    QCoro::Task<bool> installTool(Dependency *tool, Source source);
    QCoro::Task<Result<QString>> downloadFile(Dependency *tool, QString address);
    QCoro::Task<Result<QString>> downloadChecked(Dependency *tool, ToolSource source);
    QCoro::Task<Result<QStringList>> downloadVerified(Dependency *tool, QList<ToolSource> sources);
    static ToolRecord::Verification verificationOf(const QList<ToolSource> &sources);
    Placed placedFor(const Dependency *tool, const Source &source, const QStringList &files) const;
    static Outcome processorCheck();
    static QFuture<std::pair<Outcome, ToolRecord::State>> startPlacing(Placed placed);
    QFuture<std::pair<Outcome, ToolRecord::State>> startRestoring(Dependency *tool);
    static Outcome placeKeepingPrevious(const Placed &placed);
    void reportProgress(double fraction, Dependency *tool);
    QCoro::Task<> checkVersion(Dependency *tool);
    QCoro::Task<> testExecutable(Dependency *tool);
    QString versionArgument(const Dependency *tool) const;
    // Runs `job` for the given tools at once; completes when all have.
    static QCoro::Task<> allAtOnce(QList<Dependency *> tools,
                                   std::function<QCoro::Task<>(Dependency *)> job);
    QNetworkAccessManager &network();
    ReleaseLookup &lookup();

    template <typename Predicate> bool any(Predicate predicate) const;
    static bool isReady(DepStatus::Kind kind);
    bool hasUnchecked() const; // a published version could not be found
    bool canUseSystemTools() const;
    // Announces a phase change, if any, after a state it depends on changed.
    void updatePhase();

    QString m_logOutput;
    Run m_run = Run::None;
    bool m_checkingUpdates = false;
    Phase m_phase = Phase::Missing;
    QString m_currentStep;
    bool m_updateFailed = false;
    QString m_networkProblem;
    Dependency *m_ytdlp;
    Dependency *m_ffmpeg;
    Dependency *m_node;
    QNetworkAccessManager *m_network = nullptr;
    std::unique_ptr<ReleaseLookup> m_lookup;
    StopSwitch m_stop;
};
