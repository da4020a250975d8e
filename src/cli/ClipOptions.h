#pragma once

#include "engine/MediaChoices.h"

#include <QString>
#include <QStringList>

#include <optional>

// The command line's options for part of a video, its chapters and its
// sponsor segments: --section START-END (repeatable), --section-chapter
// REGEX, --precise-cuts, --split-chapters, --sponsorblock
// remove|mark[:CATEGORIES], --sponsorblock-api URL.
namespace ClipOptions {

// Whether `arguments[i]` is one of them; it is applied to `choices` and a
// value is taken (moving `i` past it). False with `error` set on a bad value.
std::optional<bool> take(MediaChoices &choices, QString &error, const QStringList &arguments,
                         qsizetype &i);

} // namespace ClipOptions
