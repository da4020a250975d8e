#pragma once

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace Media {
Q_NAMESPACE

// The file an audio download makes. MP3 is the default.
enum class AudioCodec
{
    Mp3,
    M4a,
    Opus,
    Flac,
    Wav
};
Q_ENUM_NS(AudioCodec)

// The file a video download makes. MP4 is the default and plays in the
// system player; MKV keeps every chosen track as it comes.
enum class Container
{
    Mp4,
    Mkv,
    Webm
};
Q_ENUM_NS(Container)

// What becomes of the segments the community database lists for a video
// (sponsors, intros, reminders to subscribe…).
enum class SponsorAction
{
    Keep,
    Remove,
    Mark
};
Q_ENUM_NS(SponsorAction)

} // namespace Media

// What the user chose for the file beyond video or audio and the resolution.
// Plain data: kept on the item, in the saved list, in preferences and presets.
struct MediaChoices
{
    Q_GADGET
    Q_PROPERTY(Media::AudioCodec audioCodec MEMBER audioCodec)
    Q_PROPERTY(int audioKbps MEMBER audioKbps)
    Q_PROPERTY(Media::Container container MEMBER container)
    Q_PROPERTY(QString audioLanguage MEMBER audioLanguage)
    Q_PROPERTY(bool allAudioTracks MEMBER allAudioTracks)
    Q_PROPERTY(QStringList subtitleLanguages MEMBER subtitleLanguages)
    Q_PROPERTY(bool embedSubtitles MEMBER embedSubtitles)
    Q_PROPERTY(bool embedMetadata MEMBER embedMetadata)
    Q_PROPERTY(QString preset MEMBER preset)
    Q_PROPERTY(QStringList sections MEMBER sections)
    Q_PROPERTY(QString sectionChapters MEMBER sectionChapters)
    Q_PROPERTY(bool preciseCuts MEMBER preciseCuts)
    Q_PROPERTY(bool splitChapters MEMBER splitChapters)
    Q_PROPERTY(Media::SponsorAction sponsorAction MEMBER sponsorAction)
    Q_PROPERTY(QStringList sponsorCategories MEMBER sponsorCategories)
    Q_PROPERTY(QString sponsorApi MEMBER sponsorApi)
public:
    Media::AudioCodec audioCodec = Media::AudioCodec::Mp3;
    int audioKbps = 0; // lossy audio's bitrate; 0: as the source (or the codec's default)
    Media::Container container = Media::Container::Mp4;
    QString audioLanguage;         // the audio track's language; empty: the original track
    bool allAudioTracks = false;   // keep every audio track (MKV)
    QStringList subtitleLanguages; // yt-dlp's language codes ("en", "fr-orig", …)
    bool embedSubtitles = false;   // inside the file, else beside it as SRT
    bool embedMetadata = true;     // title, uploader, date, description, cover, chapters
    QString preset;                // the preset these came from; empty: none
    // Only part of the video: time ranges in seconds ("600-750.5"), or the
    // chapters whose titles match a pattern. Empty: all of it.
    QStringList sections;
    QString sectionChapters;
    bool preciseCuts = false;   // re-encode at the cuts instead of cutting at keyframes
    bool splitChapters = false; // one file per chapter, in a folder named after the video
    Media::SponsorAction sponsorAction = Media::SponsorAction::Keep;
    QStringList sponsorCategories; // the database's names: "sponsor", "intro", …
    QString sponsorApi;            // the database's address; empty: yt-dlp's own

    QJsonObject toJson() const;
    // Unknown or missing keys keep their defaults.
    static MediaChoices fromJson(const QJsonObject &json);

    friend bool operator==(const MediaChoices &, const MediaChoices &) = default;
};
Q_DECLARE_METATYPE(MediaChoices)

// One audio track a page offers (several per video on sites that dub).
struct AudioTrack
{
    Q_GADGET
    Q_PROPERTY(QString formatId MEMBER formatId)
    Q_PROPERTY(QString language MEMBER language)
    Q_PROPERTY(QString label MEMBER label)
    Q_PROPERTY(bool original MEMBER original)
    Q_PROPERTY(bool descriptive MEMBER descriptive)
    Q_PROPERTY(QString codec MEMBER codec)
    Q_PROPERTY(int kbps MEMBER kbps)
public:
    QString formatId;         // yt-dlp's format_id of its best format
    QString language;         // as the site tags it ("en", "fr-FR"); may be empty
    QString label;            // the site's own name for it, as hostile text
    bool original = false;    // the speaker's own language (or the site's default)
    bool descriptive = false; // audio description
    QString codec;            // "mp4a.40.2", "opus", …
    int kbps = 0;

    QJsonObject toJson() const;
    static AudioTrack fromJson(const QJsonObject &json);
    friend bool operator==(const AudioTrack &, const AudioTrack &) = default;
};
Q_DECLARE_METATYPE(AudioTrack)

// One subtitle language a page offers.
struct SubtitleTrack
{
    Q_GADGET
    Q_PROPERTY(QString language MEMBER language)
    Q_PROPERTY(QString name MEMBER name)
    Q_PROPERTY(bool automatic MEMBER automatic)
    Q_PROPERTY(bool translated MEMBER translated)
public:
    QString language;        // yt-dlp's key in "subtitles"/"automatic_captions"
    QString name;            // the site's name for it, as hostile text
    bool automatic = false;  // automatic captions, not the uploader's
    bool translated = false; // an automatic translation of them

    QJsonObject toJson() const;
    static SubtitleTrack fromJson(const QJsonObject &json);
    friend bool operator==(const SubtitleTrack &, const SubtitleTrack &) = default;
};
Q_DECLARE_METATYPE(SubtitleTrack)

// One chapter of a video, as its page or file lists it.
struct Chapter
{
    Q_GADGET
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(double start MEMBER start)
    Q_PROPERTY(double end MEMBER end)
public:
    QString title; // as hostile text
    double start = 0;
    double end = 0;

    QJsonObject toJson() const;
    static Chapter fromJson(const QJsonObject &json);
    friend bool operator==(const Chapter &, const Chapter &) = default;
};
Q_DECLARE_METATYPE(Chapter)

// What the saved list keeps of an item's choices and the tracks its page
// offers, as one JSON text, and back (defaults for text it cannot read).
struct ItemMedia
{
    MediaChoices choices;
    QList<AudioTrack> audioTracks;
    QList<SubtitleTrack> subtitles;
    // Chosen subtitle languages the finished file came without (the site
    // refused them): the row says so.
    QStringList missingSubtitles;
    QList<Chapter> chapters;

    QString toText() const;
    static ItemMedia fromText(const QString &text);
    friend bool operator==(const ItemMedia &, const ItemMedia &) = default;
};
