#include "AudioManifest.h"

#include "AudioTracks.h"
#include "JsonFields.h"
#include "log/Logger.h"

#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <QCoro/QCoroSignal>

#include <algorithm>

namespace {

constexpr qint64 kLargestManifest = 4 * 1024 * 1024;
constexpr int kTimeLimitMs = 8000;

// Only headers that are plain text go on: a page's values never add lines.
QList<std::pair<QByteArray, QByteArray>> plainHeaders(const QJsonObject &headers)
{
    static const QRegularExpression name(QStringLiteral("^[A-Za-z0-9-]{1,64}$"));
    static const QRegularExpression value(QStringLiteral("^[\\x20-\\x7e]{0,1024}$"));
    QList<std::pair<QByteArray, QByteArray>> plain;
    for (auto it = headers.constBegin(); it != headers.constEnd(); ++it) {
        const QString text = it.value().toString();
        if (name.match(it.key()).hasMatch() && value.match(text).hasMatch())
            plain.append({it.key().toLatin1(), text.toLatin1()});
    }
    return plain;
}

// "urn:mpeg:dash:role:2011" roles and accessibility of one adaptation set.
struct DashSet
{
    QString language;
    bool audio = false;
    bool main = false;
    bool description = false;
};

void readDashElement(QXmlStreamReader &xml, DashSet &set)
{
    const QStringView name = xml.name();
    const QXmlStreamAttributes a = xml.attributes();
    if (name == QLatin1String("Representation") || name == QLatin1String("AdaptationSet")) {
        if (a.hasAttribute(QStringLiteral("lang")))
            set.language = a.value(QStringLiteral("lang")).toString();
        const QString type = a.value(QStringLiteral("contentType")).toString() +
                             a.value(QStringLiteral("mimeType")).toString();
        set.audio = set.audio || type.contains(QStringLiteral("audio"));
    } else if (name == QLatin1String("Role")) {
        const QStringView value = a.value(QStringLiteral("value"));
        set.main = set.main || value == QLatin1String("main");
        set.description = set.description || value == QLatin1String("description");
    } else if (name == QLatin1String("Accessibility")) {
        // TV-Anytime's audio purpose 1: for the visually impaired.
        set.description =
            set.description ||
            (a.value(QStringLiteral("schemeIdUri")).contains(QLatin1String("AudioPurposeCS")) &&
             a.value(QStringLiteral("value")) == QLatin1String("1"));
    }
}

// The one language `marks` single out as the original, if they do.
std::optional<QString> singledOut(const QList<AudioManifest::Mark> &marks)
{
    QStringList originals;
    QStringList others;
    for (const AudioManifest::Mark &m : marks) {
        if (m.original)
            originals << AudioTracks::isoLanguage(m.language);
        else if (!m.descriptive) // audio description beside the original is no rival
            others << AudioTracks::isoLanguage(m.language);
    }
    originals.removeDuplicates();
    if (originals.size() != 1 || originals.first().isEmpty() || others.contains(originals.first()))
        return std::nullopt;
    return originals.first();
}

} // namespace

namespace AudioManifest {

std::optional<Source> sourceOf(const QJsonObject &info, const QList<AudioTrack> &tracks)
{
    if (tracks.isEmpty() ||
        std::any_of(tracks.cbegin(), tracks.cend(), [](const AudioTrack &t) { return t.original; }))
        return std::nullopt;
    for (const QJsonValue &entry : info.value(QStringLiteral("formats")).toArray()) {
        const QJsonObject format = entry.toObject();
        const QString protocol = JsonFields::text(format, QStringLiteral("protocol"));
        const QUrl url(JsonFields::text(format, QStringLiteral("manifest_url")));
        const bool dash = protocol.contains(QStringLiteral("dash"));
        if (format.value(QStringLiteral("vcodec")).toString() != QStringLiteral("none") ||
            !(dash || protocol.startsWith(QStringLiteral("m3u8"))) || !url.isValid() ||
            (url.scheme() != QStringLiteral("http") && url.scheme() != QStringLiteral("https")))
            continue;
        return Source{url.toString(), dash,
                      plainHeaders(format.value(QStringLiteral("http_headers")).toObject())};
    }
    return std::nullopt;
}

QList<Mark> readDash(const QByteArray &mpd)
{
    QList<Mark> marks;
    QXmlStreamReader xml(mpd);
    std::optional<DashSet> set;
    while (!xml.atEnd() && !xml.hasError()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("AdaptationSet"))
                set = DashSet{};
            if (set)
                readDashElement(xml, *set);
        } else if (token == QXmlStreamReader::EndElement &&
                   xml.name() == QLatin1String("AdaptationSet") && set) {
            if (set->audio)
                marks << Mark{set->language, set->main, set->description};
            set.reset();
        }
    }
    return marks;
}

QList<Mark> readHls(const QByteArray &playlist)
{
    static const QRegularExpression attribute(QStringLiteral(R"(([A-Z0-9-]+)=("[^"]*"|[^",]*))"));
    QList<Mark> marks;
    for (const QByteArray &raw : playlist.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (!line.startsWith(QStringLiteral("#EXT-X-MEDIA:")))
            continue;
        QHash<QString, QString> a;
        for (auto it = attribute.globalMatch(line.mid(13)); it.hasNext();) {
            const auto m = it.next();
            a.insert(m.captured(1), m.captured(2).remove(QLatin1Char('"')));
        }
        if (a.value(QStringLiteral("TYPE")) != QStringLiteral("AUDIO"))
            continue;
        marks << Mark{a.value(QStringLiteral("LANGUAGE")),
                      a.value(QStringLiteral("DEFAULT")) == QStringLiteral("YES"),
                      a.value(QStringLiteral("CHARACTERISTICS"))
                          .contains(QStringLiteral("public.accessibility.describes-video"))};
    }
    return marks;
}

void apply(QList<AudioTrack> &tracks, const QList<Mark> &marks)
{
    const std::optional<QString> original = singledOut(marks);
    for (AudioTrack &track : tracks) {
        const QString iso = AudioTracks::isoLanguage(track.language);
        bool described = false;
        bool plain = false;
        for (const Mark &m : marks) {
            if (!iso.isEmpty() && AudioTracks::isoLanguage(m.language) == iso)
                (m.descriptive ? described : plain) = true;
        }
        track.descriptive = track.descriptive || (described && !plain);
        track.original = original && iso == *original && !track.descriptive;
    }
}

QCoro::Task<QList<AudioTrack>> refine(Source source, QList<AudioTrack> tracks)
{
    QNetworkAccessManager network;
    QNetworkRequest request{QUrl(source.url)};
    for (const auto &[name, value] : std::as_const(source.headers))
        request.setRawHeader(name, value);
    request.setTransferTimeout(kTimeLimitMs);
    QPointer<QNetworkReply> reply = network.get(request);
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, reply.get(),
                     [reply](qint64 received, qint64) {
                         if (reply && received > kLargestManifest)
                             reply->abort();
                     });
    co_await qCoro(reply.get(), &QNetworkReply::finished);
    if (!reply)
        co_return tracks;
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        Logger::shared().log(
            QStringLiteral("  audio manifest unread: network error %1").arg(int(reply->error())),
            LogLevel::Warning);
        co_return tracks;
    }
    const QByteArray body = reply->read(kLargestManifest);
    apply(tracks, source.dash ? readDash(body) : readHls(body));
    co_return tracks;
}

} // namespace AudioManifest
