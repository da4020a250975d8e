#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// The settings the preferences window edits, each written as it changes.
// Every instance tells of a change made through any of them, so that the main
// view's texts follow the preferences window.
class Preferences : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool autoStart READ autoStart WRITE setAutoStart NOTIFY changed)
    // 0 Best, 1 ≤ 1080p, 2 ≤ 720p, 3 MP3 (AutoStart::Choice).
    Q_PROPERTY(int autoStartChoice READ autoStartChoice WRITE setAutoStartChoice NOTIFY changed)
    // 0 for no limit, else 1–16.
    Q_PROPERTY(int maxDownloads READ maxDownloads WRITE setMaxDownloads NOTIFY changed)
    Q_PROPERTY(int fragments READ fragments WRITE setFragments NOTIFY changed)

public:
    explicit Preferences(QObject *parent = nullptr);
    ~Preferences() override;

    bool autoStart() const;
    void setAutoStart(bool on);
    int autoStartChoice() const;
    void setAutoStartChoice(int choice);
    int maxDownloads() const;
    void setMaxDownloads(int value);
    int fragments() const;
    void setFragments(int value);

signals:
    void changed();

private:
    static void tellAll();
};
