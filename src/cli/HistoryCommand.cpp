#include "HistoryCommand.h"

#include "Terminal.h"

#include "engine/SizeText.h"
#include "platform/EnumNames.h"
#include "store/QueueStore.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cstdio>

namespace HistoryCommand {

int run(const CliOptions &options)
{
    const QList<HistoryRecord> entries = QueueStore::readHistory();
    if (options.json) {
        QJsonArray list;
        for (const HistoryRecord &e : entries)
            list.append(
                QJsonObject{{QStringLiteral("title"), e.title},
                            {QStringLiteral("site"), e.site},
                            {QStringLiteral("url"), e.url},
                            {QStringLiteral("format"), caseName(e.format)},
                            {QStringLiteral("file"), e.filePath},
                            {QStringLiteral("fileExists"), QFileInfo::exists(e.filePath)},
                            {QStringLiteral("size"), e.fileBytes},
                            {QStringLiteral("finished"), e.finished.toString(Qt::ISODate)}});
        std::fputs(QJsonDocument(list).toJson(QJsonDocument::Compact).append('\n').constData(),
                   stdout);
        return 0;
    }
    for (const HistoryRecord &e : entries) {
        const QString size = e.fileBytes > 0 ? sizeText(e.fileBytes) : QStringLiteral("-");
        const QString line = e.finished.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) +
                             QStringLiteral("  ") + size + QStringLiteral("  ") + e.site +
                             QStringLiteral("  ") + Terminal::printable(e.title) +
                             QStringLiteral("\n    ") + Terminal::printable(e.filePath) +
                             QLatin1Char('\n');
        std::fputs(line.toLocal8Bit().constData(), stdout);
    }
    return 0;
}

} // namespace HistoryCommand
