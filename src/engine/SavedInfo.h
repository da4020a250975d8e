#pragma once

#include <QByteArray>
#include <QString>

// The information run's JSON for one item, kept in a file of its own outside
// the download folder so that the download run starts from it instead of
// visiting the page again. The file goes with the item.
class SavedInfo
{
public:
    SavedInfo() = default;
    ~SavedInfo() { drop(); }
    SavedInfo(const SavedInfo &) = delete;
    SavedInfo &operator=(const SavedInfo &) = delete;

    // A fresh file name for the next information run; the previous file goes.
    QString renew();
    // The file, when the information run wrote it.
    QString usablePath() const;
    void drop();
    // Takes over a file an earlier run of the program wrote.
    void adopt(const QString &path);
    // Forgets the file without removing it: the saved list keeps it for the next run.
    void release() { m_path.clear(); }

    // Writes `json` readable by this user only, without the cookies yt-dlp
    // put in it (the download run reads them from their source again); any
    // thread.
    static bool write(const QString &path, const QByteArray &json);
    // `json` without any Cookie header or cookies field, at any depth.
    static QByteArray withoutCookies(const QByteArray &json);

private:
    QString m_path;
};
