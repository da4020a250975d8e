#include "Clips.h"

#include "DownloadRun.h"
#include "Playlist.h"
#include "platform/UserDefaults.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cmath>

namespace Clips {

std::optional<double> parseTime(const QString &text)
{
    static const QRegularExpression shape(
        QStringLiteral(R"(^\s*(?:(?:(\d{1,3}):)?(\d{1,2}):)?(\d{1,6}(?:[.,]\d{1,3})?)\s*$)"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const double seconds =
        QString(m.captured(3)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    const int minutes = m.captured(2).toInt();
    // "1:75" is no time; a lone number of seconds may be as large as it likes.
    if (m.hasCaptured(2) && seconds >= 60)
        return std::nullopt;
    if (m.hasCaptured(1) && minutes >= 60)
        return std::nullopt;
    return m.captured(1).toInt() * 3600.0 + minutes * 60.0 + seconds;
}

QString timeText(double seconds)
{
    const qint64 tenths = std::llround(std::max(0.0, seconds) * 10);
    const qint64 whole = tenths / 10;
    QString text =
        whole >= 3600
            ? QStringLiteral("%1:%2:%3")
                  .arg(whole / 3600)
                  .arg(whole / 60 % 60, 2, 10, QLatin1Char('0'))
                  .arg(whole % 60, 2, 10, QLatin1Char('0'))
            : QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
    if (tenths % 10 != 0)
        text += QLatin1Char('.') + QString::number(tenths % 10);
    return text;
}

std::optional<Range> parseRange(const QString &text)
{
    const qsizetype dash = text.indexOf(QLatin1Char('-'));
    if (dash < 0)
        return std::nullopt;
    const auto start = parseTime(text.left(dash));
    const auto end = parseTime(text.mid(dash + 1));
    if (!start || !end || *end <= *start)
        return std::nullopt;
    return Range{*start, *end};
}

QString rangeText(const Range &range)
{
    return QString::number(range.start, 'g', 10) + QLatin1Char('-') +
           QString::number(range.end, 'g', 10);
}

QString label(const Range &range)
{
    return timeText(range.start).replace(QLatin1Char(':'), QLatin1Char('.')) + QChar(0x2013) +
           timeText(range.end).replace(QLatin1Char(':'), QLatin1Char('.'));
}

QString titleTemplate(const QString &title)
{
    const QString name = Playlist::safeName(title, 50, QString());
    return name.isEmpty() ? QStringLiteral("%(title).50s") : DownloadRun::literalTemplateText(name);
}

QString outputName(const MediaChoices &choices, const QString &title)
{
    QStringList labels;
    for (const QString &section : choices.sections) {
        if (const auto range = parseRange(section))
            labels << label(*range);
    }
    // yt-dlp makes the chapter's title safe for the file system itself.
    const QString part = !labels.isEmpty() ? DownloadRun::literalTemplateText(labels.first())
                         : !choices.sectionChapters.isEmpty()
                             ? QStringLiteral("%(section_title).60s")
                             : QString();
    if (part.isEmpty())
        return {};
    return titleTemplate(title) + QStringLiteral(" (") + part + QStringLiteral(").%(ext)s");
}

namespace {

QStringList sectionArguments(const MediaChoices &choices)
{
    QStringList args;
    for (const QString &section : choices.sections) {
        if (const auto range = parseRange(section))
            args << QStringLiteral("--download-sections") << QLatin1Char('*') + rangeText(*range);
    }
    if (!choices.sectionChapters.isEmpty() && QRegularExpression(choices.sectionChapters).isValid())
        args << QStringLiteral("--download-sections") << choices.sectionChapters;
    if (!args.isEmpty() && choices.preciseCuts)
        args << QStringLiteral("--force-keyframes-at-cuts");
    return args;
}

QStringList sponsorArguments(const MediaChoices &choices)
{
    QStringList categories;
    for (const QString &category : choices.sponsorCategories) {
        if (sponsorCategories().contains(category) && !categories.contains(category))
            categories << category;
    }
    if (choices.sponsorAction == Media::SponsorAction::Keep || categories.isEmpty())
        return {};
    QStringList args{choices.sponsorAction == Media::SponsorAction::Remove
                         ? QStringLiteral("--sponsorblock-remove")
                         : QStringLiteral("--sponsorblock-mark"),
                     categories.join(QLatin1Char(','))};
    static const QRegularExpression web(QStringLiteral("^https?://[^\\s]+$"));
    if (web.match(choices.sponsorApi).hasMatch())
        args << QStringLiteral("--sponsorblock-api") << choices.sponsorApi;
    return args;
}

} // namespace

QStringList arguments(const MediaChoices &choices)
{
    QStringList args = sectionArguments(choices);
    if (choices.splitChapters)
        args << QStringLiteral("--split-chapters");
    // A part carries the whole video's chapters otherwise, and players take
    // their end for the part's length.
    if (!args.isEmpty() && choices.sponsorAction != Media::SponsorAction::Mark)
        args << QStringLiteral("--no-embed-chapters");
    return args + sponsorArguments(choices);
}

namespace {
QString chaptersIn(const QString &work)
{
    return work + QStringLiteral("/chapters");
}
} // namespace

QStringList chapterArguments(const MediaChoices &choices, const QString &work, const QString &title)
{
    if (!choices.splitChapters || work.isEmpty())
        return {};
    return {QStringLiteral("-o"),
            QStringLiteral("chapter:") + DownloadRun::literalTemplateText(chaptersIn(work)) +
                QLatin1Char('/') + titleTemplate(title) +
                QStringLiteral("/%(section_number)02d - %(section_title).60s.%(ext)s")};
}

std::optional<QString> placeChapters(const QString &work, const QString &parent)
{
    const QDir chapters(chaptersIn(work));
    const QStringList folders = chapters.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (folders.size() != 1)
        return std::nullopt;
    const QString &name = folders.first();
    const QStringList files = QDir(chapters.filePath(name)).entryList(QDir::Files, QDir::Name);
    if (files.isEmpty())
        return std::nullopt;
    QString target = parent + QLatin1Char('/') + name;
    for (int n = 2; QFileInfo::exists(target) && n < 1000; ++n)
        target = parent + QLatin1Char('/') + name + QStringLiteral(" (%1)").arg(n);
    // Within one file system (the working folder is inside `parent`), and
    // never over a folder that is there.
    if (QFileInfo::exists(target) || !QDir().rename(chapters.filePath(name), target))
        return std::nullopt;
    return target + QLatin1Char('/') + files.first();
}

namespace {
const QString kSponsorKey = QStringLiteral("sponsorSegments");
} // namespace

SponsorSetting sponsorSetting()
{
    // Kept in the choices' own form, so that it reads as they do.
    const MediaChoices stored = MediaChoices::fromJson(
        QJsonDocument::fromJson(UserDefaults::value(kSponsorKey).toString().toUtf8()).object());
    return {stored.sponsorAction, stored.sponsorCategories, stored.sponsorApi};
}

void setSponsorSetting(const SponsorSetting &setting)
{
    MediaChoices stored;
    stored.sponsorAction = setting.action;
    stored.sponsorCategories = setting.categories;
    stored.sponsorApi = setting.api;
    UserDefaults::setValue(
        kSponsorKey,
        QString::fromUtf8(QJsonDocument(stored.toJson()).toJson(QJsonDocument::Compact)));
}

MediaChoices withSponsorSetting(MediaChoices choices)
{
    const SponsorSetting setting = sponsorSetting();
    choices.sponsorAction = setting.action;
    choices.sponsorCategories = setting.categories;
    choices.sponsorApi = setting.api;
    return choices;
}

QStringList sponsorCategories()
{
    return {QStringLiteral("sponsor"),        QStringLiteral("selfpromo"),
            QStringLiteral("interaction"),    QStringLiteral("intro"),
            QStringLiteral("outro"),          QStringLiteral("preview"),
            QStringLiteral("music_offtopic"), QStringLiteral("filler")};
}

QString chapterPattern(const QStringList &titles)
{
    QStringList escaped;
    for (const QString &title : titles)
        escaped << QRegularExpression::escape(title);
    return escaped.isEmpty()
               ? QString()
               : QStringLiteral("^(?:") + escaped.join(QLatin1Char('|')) + QStringLiteral(")$");
}

} // namespace Clips
