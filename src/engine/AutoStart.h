#pragma once

#include "DownloadTypes.h"

#include <QString>

// Downloads that start by themselves once their information is known
// ("autoStart", on unless turned off), with a default choice ("autoStartChoice").
namespace AutoStart {

enum class Choice
{
    Best,    // MP4, the highest resolution offered
    Max1080, // MP4, the highest at or below 1080p
    Max720,  // MP4, the highest at or below 720p
    Audio    // MP3
};

bool enabled();
void setEnabled(bool on);
Choice choice();
void setChoice(Choice choice);
// "best", "1080", "720", "mp3" as the setting stores them, and back.
QString choiceName(Choice choice);
Choice choiceFrom(const QString &name);

// What an address given from outside the window is downloaded as.
DownloadFormat formatFor(Choice choice);
// The highest height the choice takes, for Playlist::pickFormat. "Best" is
// no limit, yet names the highest format offered rather than leaving the
// choice to yt-dlp.
int qualityCap(Choice choice);

} // namespace AutoStart
