#include "CliJson.h"

#include "deps/DependencyChecker.h"
#include "engine/DownloadItem.h"
#include "platform/Secrets.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace CliJson {

namespace {
QJsonValue optionalText(const std::optional<QString> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}
} // namespace

QJsonArray items(const QList<DownloadItem *> &items)
{
    QJsonArray array;
    for (const DownloadItem *item : items) {
        QJsonArray formats;
        for (const VideoFormat &f : item->formats())
            formats.append(QJsonObject{{"id", f.id}, {"label", f.label}, {"height", f.height}});
        QJsonObject object{{"url", Secrets::maskPassword(item->url())},
                           {"status", statusName(item->status())},
                           {"title", item->title()},
                           {"thumbnailURL", item->thumbnailURL()},
                           {"formats", formats},
                           {"vcodec", item->vcodec()},
                           {"filePath", optionalText(item->filePath())},
                           {"fileSize", optionalText(item->file().size)},
                           {"codecInfo", item->file().codecInfo},
                           {"needsConversion", item->file().needsConversion},
                           {"errorMessage", Secrets::maskPasswordsInText(item->errorMessage())},
                           {"errorDetail", Secrets::maskPasswordsInText(item->errorDetail())}};
        QJsonArray audioTracks;
        for (const AudioTrack &track : item->audioTracks())
            audioTracks.append(track.toJson());
        QJsonArray subtitles;
        for (const SubtitleTrack &track : item->subtitleTracks())
            subtitles.append(track.toJson());
        object.insert("audioTracks", audioTracks);
        object.insert("subtitles", subtitles);
        // An entry of a list says which list and where in it.
        if (item->isGroupEntry())
            object.insert("playlist", QJsonObject{{"title", item->group()->title()},
                                                  {"index", item->playlistIndex()},
                                                  {"count", item->group()->listed()}});
        object.insert("choices", item->choices().toJson());
        array.append(object);
    }
    return array;
}

QJsonArray tools(const DependencyChecker &checker)
{
    QJsonArray array;
    for (const Dependency *tool : checker.tools()) {
        const DepStatus s = tool->status();
        // The executable the engine will run: ours first, then the system's.
        const auto found = DependencyChecker::located(tool);
        const QJsonValue source = !found          ? QJsonValue(QJsonValue::Null)
                                  : found->system ? QJsonValue(QStringLiteral("system"))
                                                  : QJsonValue(QStringLiteral("reelix"));
        array.append(QJsonObject{{"name", tool->name()},
                                 {"status", s.caseName()},
                                 {"version", s.version()},
                                 {"installed", s.installed()},
                                 {"latest", s.latest()},
                                 // Why a tool failed, or why its published version is unknown.
                                 {"message", s.kind() == DepStatus::Kind::Failed ||
                                                     s.kind() == DepStatus::Kind::Unchecked
                                                 ? s.message()
                                                 : QString()},
                                 {"verified", tool->verified()},
                                 {"verification", tool->verificationName()},
                                 {"canRollBack", tool->hasPrevious()},
                                 {"path", found ? QJsonValue(found->path) : QJsonValue()},
                                 {"source", source}});
    }
    return array;
}

QByteArray line(const QJsonArray &array)
{
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

} // namespace CliJson
