#include "ClipOptions.h"

#include "engine/Clips.h"

#include <QRegularExpression>

namespace {

bool takeSponsor(MediaChoices &c, QString &error, const QString &value)
{
    const qsizetype colon = value.indexOf(QLatin1Char(':'));
    const QString action = value.left(colon).toLower();
    const QStringList known = Clips::sponsorCategories();
    QStringList categories =
        colon < 0 ? known
                  : value.mid(colon + 1).toLower().split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (categories == QStringList{QStringLiteral("all")})
        categories = known;
    for (const QString &category : std::as_const(categories)) {
        if (!known.contains(category))
            error = QStringLiteral("--sponsorblock categories are ") + known.join(QLatin1Char(','));
    }
    if (action == QStringLiteral("remove"))
        c.sponsorAction = Media::SponsorAction::Remove;
    else if (action == QStringLiteral("mark"))
        c.sponsorAction = Media::SponsorAction::Mark;
    else
        error = QStringLiteral("--sponsorblock takes remove or mark, then :CATEGORY,...");
    c.sponsorCategories = categories;
    return error.isEmpty();
}

bool takeValue(MediaChoices &c, QString &error, const QString &arg, const QString &value)
{
    if (arg == QStringLiteral("--section")) {
        const auto range = Clips::parseRange(value);
        if (!range)
            error = QStringLiteral("--section takes START-END, as 1:30-2:45 or 90-165");
        else
            c.sections << Clips::rangeText(*range);
    } else if (arg == QStringLiteral("--section-chapter")) {
        if (value.isEmpty() || !QRegularExpression(value).isValid())
            error = QStringLiteral("--section-chapter takes a regular expression");
        c.sectionChapters = value;
    } else if (arg == QStringLiteral("--sponsorblock-api")) {
        static const QRegularExpression web(QStringLiteral("^https?://[^\\s]+$"));
        if (!web.match(value).hasMatch())
            error = QStringLiteral("--sponsorblock-api takes an http:// or https:// address");
        c.sponsorApi = value;
    } else {
        return takeSponsor(c, error, value);
    }
    return error.isEmpty();
}

} // namespace

namespace ClipOptions {

std::optional<bool> take(MediaChoices &choices, QString &error, const QStringList &arguments,
                         qsizetype &i)
{
    const QString &arg = arguments.at(i);
    if (arg == QStringLiteral("--precise-cuts"))
        choices.preciseCuts = true;
    else if (arg == QStringLiteral("--split-chapters"))
        choices.splitChapters = true;
    else if (!QStringList{"--section", "--section-chapter", "--sponsorblock", "--sponsorblock-api"}
                  .contains(arg))
        return std::nullopt;
    else if (i + 1 >= arguments.size()) {
        error = arg + QStringLiteral(" needs a value");
        return false;
    } else
        return takeValue(choices, error, arg, arguments.at(++i));
    return true;
}

} // namespace ClipOptions
