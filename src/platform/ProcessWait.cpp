#include "ProcessWait.h"

#include <QProcess>

#include <QCoro/QCoroSignal>

namespace {

// QProcess ends in one of two ways (finished, or an error before it ever ran);
// this turns both into one signal a coroutine can wait for.
class EndSignal : public QObject
{
    Q_OBJECT
public:
    bool ended = false;
    ProcessEnd end;

    void finish(int status, std::optional<QString> error = std::nullopt)
    {
        if (ended)
            return;
        ended = true;
        end.status = status;
        end.launchError = std::move(error);
        emit done();
    }

signals:
    void done();
};

} // namespace

QCoro::Task<ProcessEnd> startAndWait(QProcess &process, std::function<void()> onStarted)
{
    EndSignal signal;
    QObject::connect(&process, &QProcess::finished, &signal,
                     [&signal](int exitCode, QProcess::ExitStatus) { signal.finish(exitCode); });
    QObject::connect(&process, &QProcess::errorOccurred, &signal,
                     [&](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             signal.finish(-1, process.errorString());
                     });
    process.start();
    if (!signal.ended) {
        if (onStarted)
            onStarted();
        co_await qCoro(&signal, &EndSignal::done);
    }
    co_return signal.end;
}

#include "ProcessWait.moc"
