#include "CheckResult.h"

QString CheckResult::levelName(Level level)
{
    switch (level) {
    case Level::Ok:
        return QStringLiteral("ok");
    case Level::Warning:
        return QStringLiteral("warning");
    case Level::Problem:
        return QStringLiteral("problem");
    }
    return {};
}

QString CheckResult::actionName(Action action)
{
    switch (action) {
    case Action::None:
        return {};
    case Action::Install:
        return QStringLiteral("install");
    case Action::Update:
        return QStringLiteral("update");
    case Action::ChooseBrowser:
        return QStringLiteral("choose-browser");
    case Action::ChooseFolder:
        return QStringLiteral("choose-folder");
    case Action::OpenPreferences:
        return QStringLiteral("open-preferences");
    }
    return {};
}

QString CheckResult::actionLabel(Action action)
{
    switch (action) {
    case Action::None:
        return {};
    case Action::Install:
        //% "Install"
        return qtTrId("doctor.action.install");
    case Action::Update:
        //% "Update"
        return qtTrId("doctor.action.update");
    case Action::ChooseBrowser:
        //% "Choose browser"
        return qtTrId("doctor.action.browser");
    case Action::ChooseFolder:
        //% "Choose folder"
        return qtTrId("doctor.action.folder");
    case Action::OpenPreferences:
        //% "Open preferences"
        return qtTrId("doctor.action.preferences");
    }
    return {};
}

QJsonObject CheckResult::toJson() const
{
    return QJsonObject{{QStringLiteral("id"), id},
                       {QStringLiteral("level"), levelName(level)},
                       {QStringLiteral("summary"), summary},
                       {QStringLiteral("todo"), todo},
                       {QStringLiteral("action"), actionName(action)},
                       {QStringLiteral("facts"), facts},
                       {QStringLiteral("elapsedMs"), elapsedMs}};
}
