#pragma once

#include "deps/DependencyChecker.h"
#include "engine/DownloadManager.h"
#include "store/HistoryFilter.h"
#include "store/QueueStore.h"

#include <QtQml/qqml.h>

// The engine's and the tool manager's types as QML sees them, declared here
// so that those libraries stay free of QML.

namespace DownloadForeign {
Q_NAMESPACE
QML_FOREIGN_NAMESPACE(Download)
QML_NAMED_ELEMENT(Download)
} // namespace DownloadForeign

// Audio formats and containers, as an item's choices give them.
namespace MediaForeign {
Q_NAMESPACE
QML_FOREIGN_NAMESPACE(Media)
QML_NAMED_ELEMENT(Media)
} // namespace MediaForeign

struct MediaChoicesForeign
{
    Q_GADGET
    QML_FOREIGN(MediaChoices)
    QML_VALUE_TYPE(mediaChoices)
};

// The kinds of a failure, as a row's errorKind gives them.
namespace FailureForeign {
Q_NAMESPACE
QML_FOREIGN_NAMESPACE(Failure)
QML_NAMED_ELEMENT(Failure)
} // namespace FailureForeign

namespace DepStateForeign {
Q_NAMESPACE
QML_FOREIGN_NAMESPACE(DepState)
QML_NAMED_ELEMENT(DepState)
} // namespace DepStateForeign

struct DownloadManagerForeign
{
    Q_GADGET
    QML_FOREIGN(DownloadManager)
    QML_NAMED_ELEMENT(DownloadManager)
};

struct DownloadItemForeign
{
    Q_GADGET
    QML_FOREIGN(DownloadItem)
    QML_NAMED_ELEMENT(DownloadItem)
    QML_UNCREATABLE("Items are created by DownloadManager")
};

struct DownloadGroupForeign
{
    Q_GADGET
    QML_FOREIGN(DownloadGroup)
    QML_NAMED_ELEMENT(DownloadGroup)
    QML_UNCREATABLE("Lists are created by DownloadManager")
};

struct DependencyCheckerForeign
{
    Q_GADGET
    QML_FOREIGN(DependencyChecker)
    QML_NAMED_ELEMENT(DependencyChecker)
    QML_UNCREATABLE("Created by the application")
};

struct DependencyForeign
{
    Q_GADGET
    QML_FOREIGN(Dependency)
    QML_NAMED_ELEMENT(Dependency)
    QML_UNCREATABLE("Tools are created by DependencyChecker")
};

struct DepStatusForeign
{
    Q_GADGET
    QML_FOREIGN(DepStatus)
    QML_VALUE_TYPE(depStatus)
};

struct QueueStoreForeign
{
    Q_GADGET
    QML_FOREIGN(QueueStore)
    QML_NAMED_ELEMENT(QueueStore)
    QML_UNCREATABLE("Created by the application")
};

struct HistoryModelForeign
{
    Q_GADGET
    QML_FOREIGN(HistoryModel)
    QML_NAMED_ELEMENT(HistoryModel)
    QML_UNCREATABLE("Held by QueueStore")
};

// Made by the history view over the history it is given.
struct HistoryFilterForeign
{
    Q_GADGET
    QML_FOREIGN(HistoryFilter)
    QML_NAMED_ELEMENT(HistoryFilter)
};
