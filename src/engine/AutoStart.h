#pragma once

#include "DownloadTypes.h"

#include <QString>

class DownloadManager;

// Downloads that start by themselves once their information is known
// ("autoStart", off unless set), with a default choice ("autoStartChoice").
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
// The format id to start with among `formats` (highest first): the highest
// within the choice's limit, else the lowest offered; empty for yt-dlp's own choice.
QString pickFormat(const QList<VideoFormat> &formats, Choice choice);

// Starts each item of `manager` that becomes ready, while the setting is on.
void follow(DownloadManager &manager);

} // namespace AutoStart
