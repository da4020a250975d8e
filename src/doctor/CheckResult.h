#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

// One line of the setup check: how it went, a plain sentence saying what was
// found, the one thing to do about it and the button that does it. `facts`
// holds what was measured under stable keys, for scripts and the report.
struct CheckResult
{
    enum class Level
    {
        Ok,
        Warning,
        Problem
    };
    // What the window's button for the line does.
    enum class Action
    {
        None,
        Install,
        Update,
        ChooseBrowser,
        ChooseFolder,
        OpenPreferences
    };

    QString id; // "ytdlp", "javascript", … as the JSON names it
    Level level = Level::Ok;
    QString summary;
    QString todo; // empty when there is nothing to do
    Action action = Action::None;
    QJsonObject facts;
    qint64 elapsedMs = 0;

    // "ok", "warning", "problem"; "install", "update", "choose-browser",
    // "choose-folder", "open-preferences" or "" for none.
    static QString levelName(Level level);
    static QString actionName(Action action);
    // The button's label, in the interface's language.
    static QString actionLabel(Action action);
    QJsonObject toJson() const;
};

using CheckResults = QList<CheckResult>;
