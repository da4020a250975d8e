#pragma once

#include <QJsonArray>

class DownloadItem;
class DependencyChecker;

// The JSON line scripts read: one object per item or per tool.
namespace CliJson {
QJsonArray items(const QList<DownloadItem *> &items);
QJsonArray tools(const DependencyChecker &checker);
QByteArray line(const QJsonArray &array);
} // namespace CliJson
