#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal delivered on the event
// loop, so that a stop from the terminal or the session ends runs like any
// other stop: children terminated, nothing left half done. Tools run in
// their own process groups and do not see these signals themselves. One
// instance at a time.
class StopSignals : public QObject
{
    Q_OBJECT
public:
    explicit StopSignals(QObject *parent = nullptr);
    ~StopSignals() override;

signals:
    void received();

private:
    QSocketNotifier *m_notifier = nullptr;
};
