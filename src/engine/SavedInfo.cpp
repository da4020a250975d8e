#include "SavedInfo.h"

#include "platform/TemporaryNames.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

QString SavedInfo::renew()
{
    drop();
    m_path = TemporaryNames::inTemp(QStringLiteral("reelix_info_")) + QStringLiteral(".json");
    return m_path;
}

QString SavedInfo::usablePath() const
{
    return !m_path.isEmpty() && QFile::exists(m_path) ? m_path : QString();
}

void SavedInfo::drop()
{
    if (!m_path.isEmpty())
        QFile::remove(m_path);
    m_path.clear();
}

namespace {

QJsonValue stripped(const QJsonValue &value)
{
    if (value.isArray()) {
        QJsonArray array = value.toArray();
        for (auto it = array.begin(); it != array.end(); ++it)
            *it = stripped(*it);
        return array;
    }
    if (!value.isObject())
        return value;
    QJsonObject object = value.toObject();
    // Newer yt-dlp versions keep a format's cookies in a field of their own.
    object.remove(QStringLiteral("cookies"));
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() == QStringLiteral("http_headers") && it->isObject()) {
            QJsonObject headers = it->toObject();
            for (const QString &name : headers.keys()) {
                if (name.compare(QStringLiteral("cookie"), Qt::CaseInsensitive) == 0)
                    headers.remove(name);
            }
            *it = headers;
        } else {
            *it = stripped(*it);
        }
    }
    return object;
}

} // namespace

QByteArray SavedInfo::withoutCookies(const QByteArray &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return {};
    return QJsonDocument(stripped(document.object()).toObject()).toJson(QJsonDocument::Compact);
}

void SavedInfo::adopt(const QString &path)
{
    drop();
    m_path = path;
}

bool SavedInfo::write(const QString &path, const QByteArray &json)
{
    // Still carries the page's signed addresses.
    const QByteArray kept = withoutCookies(json);
    if (kept.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(kept);
    return file.commit();
}
