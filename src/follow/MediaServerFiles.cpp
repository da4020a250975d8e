#include "MediaServerFiles.h"

#include "engine/JsonFields.h"
#include "engine/ProcessRunner.h"
#include "engine/ToolEnvironment.h"
#include "engine/ToolSandbox.h"
#include "log/Logger.h"
#include "platform/PlainText.h"
#include "platform/TemporaryNames.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <QXmlStreamWriter>

#include <QCoro/QCoroSignal>

using namespace std::chrono_literals;

namespace MediaServerFiles {

namespace {

// Pictures larger than this are not pictures of a video.
constexpr qint64 largestPicture = 20 * 1024 * 1024;

// Text as XML 1.0 holds it: no control characters but tabs and line ends,
// no reordering marks, no lone surrogates.
QString xmlText(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            kept += c;
            kept += text.at(++i);
        } else if (c == u'\n' || c == u'\t' ||
                   !(PlainText::isHidden(c) || c.isSurrogate() || c.unicode() >= 0xfffe)) {
            kept += c;
        }
    }
    return kept.trimmed();
}

QDate airedOf(const QJsonObject &entry)
{
    for (const char *key : {"upload_date", "release_date"}) {
        const QDate day =
            QDate::fromString(JsonFields::text(entry, QString::fromLatin1(key)), u"yyyyMMdd");
        if (day.isValid())
            return day;
    }
    for (const char *key : {"timestamp", "release_timestamp"}) {
        const auto when = JsonFields::bounded(entry.value(QString::fromLatin1(key)), 1e11);
        if (when)
            return QDateTime::fromSecsSinceEpoch(qint64(*when), Qt::UTC).date();
    }
    return {};
}

QString pictureOf(const QJsonObject &info)
{
    const QString one = JsonFields::text(info, QStringLiteral("thumbnail"));
    if (!one.isEmpty())
        return one;
    // yt-dlp lists a page's pictures from the worst to the best.
    const QJsonArray all = info.value(QStringLiteral("thumbnails")).toArray();
    for (qsizetype i = all.size() - 1; i >= 0; --i) {
        const QString url = JsonFields::text(all.at(i).toObject(), QStringLiteral("url"));
        if (!url.isEmpty())
            return url;
    }
    return {};
}

void element(QXmlStreamWriter &xml, const QString &name, const QString &text)
{
    if (!text.isEmpty())
        xml.writeTextElement(name, text);
}

// Writes `temporary` under `final` unless a file has that name; the temporary goes either way.
bool placeFile(const QString &temporary, const QString &final)
{
    const bool placed = QFileInfo(temporary).size() > 0 && QFile::rename(temporary, final);
    QFile::remove(temporary);
    return placed;
}

// The picture at `address` in a temporary file; empty when it could not be had.
QCoro::Task<QString> fetchPicture(QString address)
{
    const QUrl url(address);
    if (url.scheme() != u"http" && url.scheme() != u"https")
        co_return QString();
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setTransferTimeout(30000);
    QPointer<QNetworkReply> reply = network.get(request);
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, reply.get(),
                     [reply](qint64 received, qint64) {
                         if (received > largestPicture)
                             reply->abort();
                     });
    co_await qCoro(reply.get(), &QNetworkReply::finished);
    if (!reply)
        co_return QString();
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        Logger::shared().log(QStringLiteral("media server files: no picture from ") + address +
                                 QStringLiteral(": ") + reply->errorString(),
                             LogLevel::Warning);
        co_return QString();
    }
    const QString path = TemporaryNames::inTemp(QStringLiteral("reelix_picture_"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
        file.write(reply->readAll()) <= 0) {
        QFile::remove(path);
        co_return QString();
    }
    co_return path;
}

// `picture` (any kind ffmpeg reads: JPEG, PNG, WebP) as the JPEG `final`.
QCoro::Task<bool> makeJpeg(QString picture, QString final)
{
    const std::optional<QString> ffmpeg = ToolEnvironment::findTool(QStringLiteral("ffmpeg"));
    if (!ffmpeg || QFileInfo::exists(final))
        co_return false;
    const QFileInfo target(final);
    const QString temporary = target.absolutePath() + QStringLiteral("/.") +
                              TemporaryNames::uuid() + QStringLiteral(".jpg.part");
    QProcess process;
    process.setProgram(*ffmpeg);
    process.setArguments(
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-nostdin"),
         QStringLiteral("-i"), picture, QStringLiteral("-frames:v"), QStringLiteral("1"),
         QStringLiteral("-pix_fmt"), QStringLiteral("yuvj420p"), QStringLiteral("-c:v"),
         QStringLiteral("mjpeg"), QStringLiteral("-q:v"), QStringLiteral("3"), QStringLiteral("-f"),
         QStringLiteral("image2"), QStringLiteral("-update"), QStringLiteral("1"), temporary});
    RunOptions options;
    options.timeLimit = 60s;
    options.siteName = QStringLiteral("picture conversion");
    options.sandbox = ToolSandbox::forMedia({picture}, target.absolutePath());
    const ProcessRunResult run = co_await ::run(process, options);
    if (run.status != 0)
        Logger::shared().log(QStringLiteral("media server files: ffmpeg: ") +
                                 run.stderrText.trimmed(),
                             LogLevel::Warning);
    co_return run.status == 0 && placeFile(temporary, final);
}

bool writeNfo(const QString &path, const Episode &episode)
{
    if (QFileInfo::exists(path))
        return false;
    const QString temporary = QFileInfo(path).absolutePath() + QStringLiteral("/.") +
                              TemporaryNames::uuid() + QStringLiteral(".nfo.part");
    QFile file(temporary);
    const QByteArray data = nfo(episode);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
                         file.write(data) == data.size() && file.flush();
    file.close();
    return written && placeFile(temporary, path);
}

bool hasPoster(const QDir &folder)
{
    return folder.exists(QStringLiteral("poster.jpg")) ||
           folder.exists(QStringLiteral("folder.jpg"));
}

} // namespace

QCoro::Task<> write(QString mediaFile, Episode episode, QString poster)
{
    const QFileInfo media(mediaFile);
    const QDir folder = media.absoluteDir();
    const QString base = folder.filePath(media.completeBaseName());
    writeNfo(base + QStringLiteral(".nfo"), episode);
    const QString thumb = base + QStringLiteral("-thumb.jpg");
    if (!episode.thumbnail.isEmpty() && !QFileInfo::exists(thumb)) {
        const QString picture = co_await fetchPicture(episode.thumbnail);
        if (!picture.isEmpty()) {
            co_await makeJpeg(picture, thumb);
            QFile::remove(picture);
        }
    }
    if (hasPoster(folder))
        co_return;
    const QString posterPath = folder.filePath(QStringLiteral("poster.jpg"));
    if (!poster.isEmpty()) {
        const QString picture = co_await fetchPicture(poster);
        if (!picture.isEmpty()) {
            const bool made = co_await makeJpeg(picture, posterPath);
            QFile::remove(picture);
            if (made)
                co_return;
        }
    }
    // No picture of the list's own: the first episode's stands for it.
    if (QFileInfo::exists(thumb) && !hasPoster(folder)) {
        const QString temporary = folder.filePath(QStringLiteral(".") + TemporaryNames::uuid() +
                                                  QStringLiteral(".jpg.part"));
        if (QFile::copy(thumb, temporary))
            placeFile(temporary, posterPath);
    }
}

Episode episodeOf(const QJsonObject &entry, const QString &show)
{
    Episode episode;
    episode.title = xmlText(JsonFields::text(entry, QStringLiteral("title")));
    episode.show = xmlText(show);
    episode.plot = xmlText(JsonFields::text(entry, QStringLiteral("description")));
    for (const char *key : {"uploader", "channel", "creator"}) {
        if (episode.uploader.isEmpty())
            episode.uploader = xmlText(JsonFields::text(entry, QString::fromLatin1(key)));
    }
    episode.aired = airedOf(entry);
    const auto seconds =
        JsonFields::bounded(entry.value(QStringLiteral("duration")), JsonFields::longestSeconds);
    episode.seconds = seconds && *seconds > 0 ? int(*seconds) : 0;
    episode.thumbnail = pictureOf(entry);
    return episode;
}

QString listPicture(const QJsonObject &list)
{
    return pictureOf(list);
}

QByteArray nfo(const Episode &episode)
{
    QByteArray data;
    QXmlStreamWriter xml(&data);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("episodedetails"));
    element(xml, QStringLiteral("title"), episode.title);
    element(xml, QStringLiteral("showtitle"), episode.show);
    element(xml, QStringLiteral("plot"), episode.plot);
    if (episode.aired.isValid()) {
        element(xml, QStringLiteral("aired"), episode.aired.toString(Qt::ISODate));
        element(xml, QStringLiteral("premiered"), episode.aired.toString(Qt::ISODate));
    }
    // Kodi counts the running time in minutes.
    if (episode.seconds > 0)
        element(xml, QStringLiteral("runtime"),
                QString::number(qMax(1, (episode.seconds + 30) / 60)));
    element(xml, QStringLiteral("studio"), episode.uploader);
    xml.writeEndElement();
    xml.writeEndDocument();
    return data;
}

} // namespace MediaServerFiles
