#include "SavedInfo.h"

#include "platform/TemporaryNames.h"

#include <QFile>
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

void SavedInfo::adopt(const QString &path)
{
    drop();
    m_path = path;
}

bool SavedInfo::write(const QString &path, const QByteArray &json)
{
    // The JSON may carry the page's cookies and signed addresses.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(json);
    return file.commit();
}
