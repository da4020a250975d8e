#pragma once

#include "follow/Follow.h"
#include "follow/FollowCheck.h"

#include <QAbstractListModel>
#include <QCoro/QCoroTask>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

// The followed lists for the window: the "Following" view's rows, the
// "Follow" action of a list's header, and the checks while Reelix runs (at
// start and every few hours, a setting). A check reads the lists as the
// user timer's `reelix-cli follow check` does, and hands their new entries
// to the window's download list as a list row each, with the follow's own
// choices: the user sees them download, can stop them and finds them in the
// history. A list is never read by two checks at once, even from two
// processes, and the window never waits on the network.
class DownloadGroup;
class DownloadManager;
class MediaServerWatch;

class Follows : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    Q_PROPERTY(bool checking READ checking NOTIFY checkingChanged)
    // Hours between checks while Reelix runs; 0: only when asked.
    Q_PROPERTY(int checkHours READ checkHours WRITE setCheckHours NOTIFY settingsChanged)
    // Seconds between two requests to one site.
    Q_PROPERTY(int pauseSeconds READ pauseSeconds WRITE setPauseSeconds NOTIFY settingsChanged)
    // The systemd user timer that checks while Reelix is not running, as
    // systemctl last said (refreshTimer asks again).
    Q_PROPERTY(bool timerOn READ timerOn WRITE setTimerOn NOTIFY timerChanged)

public:
    enum Role
    {
        AddressRole = Qt::UserRole + 1,
        TitleRole,
        LastCheckRole,
        NewCountRole,
        LastErrorRole,
        PausedRole,
        MediaServerRole,
        LastErrorDetailRole
    };

    explicit Follows(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    bool checking() const { return m_check != nullptr || m_checkingHere; }
    int checkHours() const;
    void setCheckHours(int hours);
    int pauseSeconds() const;
    void setPauseSeconds(int seconds);
    bool timerOn() const { return m_timerOn; }
    void setTimerOn(bool on);
    Q_INVOKABLE void refreshTimer();

    // Follows a list with the download folder and kind given; its first
    // check takes the newest `newest` entries (0: only what comes after).
    Q_INVOKABLE bool follow(const QString &address, const QString &title, const QUrl &folder,
                            bool audio, int newest);
    Q_INVOKABLE bool isFollowed(const QString &address) const;
    Q_INVOKABLE void setPaused(int row, bool paused);
    // Whether the list's new files get what media servers read beside them.
    Q_INVOKABLE void setMediaServer(int row, bool on);
    Q_INVOKABLE void remove(int row);
    // One list (row), or every one (-1).
    Q_INVOKABLE void checkNow(int row = -1);
    // Reads the list again (another process may have changed it).
    Q_INVOKABLE void reload();

    // reelix-cli beside this program (installed, or in the build tree).
    static QString commandLineProgram();
    // The download list that checks hand new entries to; without one, a
    // check is reelix-cli's, downloading by itself.
    static void useDownloads(DownloadManager *manager);

signals:
    void countChanged();
    void checkingChanged();
    void settingsChanged();
    void timerChanged();

private:
    void change(const std::function<void(QList<Follow> &)> &edit);
    void scheduleChecks();
    QCoro::Task<> checkHere(QStringList only);
    void checkEnded();
    // The new entries of `finding` as a list row of the download list.
    void hand(const FollowFinding &finding);
    // Runs a short child, then `done` with its exit status (-1: it did not start).
    void runChild(const QString &program, const QStringList &args,
                  const std::function<void(int)> &done);

    QList<Follow> m_follows;
    QPointer<QProcess> m_check;
    bool m_checkingHere = false;
    // Held while a list's entries download, so that no other check starts them again.
    QHash<const DownloadGroup *, std::shared_ptr<LockClaim>> m_claims;
    QPointer<MediaServerWatch> m_mediaFiles;
    bool m_checkedOnce = false;
    bool m_timerOn = false;
    QTimer m_timer;
};
