#pragma once

#include <QByteArray>
#include <QDate>
#include <QJsonObject>
#include <QString>

#include <QCoro/QCoroTask>

// What Kodi, Jellyfin and Plex read beside a video: "NAME.nfo" (Kodi's
// episode details), the picture "NAME-thumb.jpg", and "poster.jpg" for the
// folder. NAME is the video file's own base name, so the names are as clean
// as the video's. A file that is there already is never replaced: the user
// may have edited it.
namespace MediaServerFiles {

struct Episode
{
    QString title;
    QString show; // the followed list's title
    QString plot;
    QString uploader;
    QDate aired;
    int seconds = 0;   // running time; 0 when unknown
    QString thumbnail; // the picture's web address; empty when none
};

// The episode that one entry of a list's JSON (as yt-dlp lists it) describes.
Episode episodeOf(const QJsonObject &entry, const QString &show);
// The picture a list's JSON gives for itself (a channel's avatar, a
// playlist's cover); empty when none.
QString listPicture(const QJsonObject &list);
// Kodi's <episodedetails> for `episode`, as UTF-8 XML.
QByteArray nfo(const Episode &episode);

// Writes the files beside `mediaFile`: its .nfo, its thumbnail as JPEG, and
// the folder's poster from `poster` (else from the thumbnail) when the
// folder has none.
QCoro::Task<> write(QString mediaFile, Episode episode, QString poster);

} // namespace MediaServerFiles
