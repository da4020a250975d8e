#pragma once

#include "engine/MediaChoices.h"

#include <QObject>
#include <QVariantList>
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
    // The file choices new items start from.
    Q_PROPERTY(
        MediaChoices defaultChoices READ defaultChoices WRITE setDefaultChoices NOTIFY changed)
    // What becomes of the segments the community database lists (Media::
    // SponsorAction), of which categories, and the database's address (empty:
    // yt-dlp's own).
    Q_PROPERTY(int sponsorAction READ sponsorAction WRITE setSponsorAction NOTIFY changed)
    Q_PROPERTY(QStringList sponsorCategories READ sponsorCategories WRITE setSponsorCategories
                   NOTIFY changed)
    Q_PROPERTY(QString sponsorApi READ sponsorApi WRITE setSponsorApi NOTIFY changed)
    // The database's category names, in the order the preferences list them.
    Q_PROPERTY(QStringList sponsorCategoryNames READ sponsorCategoryNames CONSTANT)
    // Every preset as {key, name, shipped}, the shipped ones first.
    Q_PROPERTY(QVariantList presets READ presets NOTIFY changed)
    // The interface language chosen ("" follows the system), read at start,
    // and the choices as {label, code}: the system's first, each language in
    // its own name.
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY changed)
    Q_PROPERTY(QVariantList languages READ languages CONSTANT)

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
    MediaChoices defaultChoices() const;
    void setDefaultChoices(const MediaChoices &choices);
    QVariantList presets() const;
    int sponsorAction() const;
    void setSponsorAction(int action);
    QStringList sponsorCategories() const;
    void setSponsorCategories(const QStringList &categories);
    QString sponsorApi() const;
    void setSponsorApi(const QString &address);
    QStringList sponsorCategoryNames() const;
    QString language() const;
    void setLanguage(const QString &code);
    static QVariantList languages();

    // A preset's choices (the defaults for an unknown key).
    Q_INVOKABLE MediaChoices presetChoices(const QString &key) const;
    Q_INVOKABLE void useDefaultPreset(const QString &key);
    // Keeps the defaults as a preset of that name, which they then come from;
    // false for an empty name or a shipped preset's.
    Q_INVOKABLE bool saveDefaultsAs(const QString &name);
    Q_INVOKABLE void removePreset(const QString &key);

signals:
    void changed();

private:
    static void tellAll();
};
