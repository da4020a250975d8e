#include "DepStatus.h"

#include <QMetaEnum>

DepStatus DepStatus::downloading(double fraction)
{
    DepStatus s(Kind::Downloading);
    s.m_fraction = fraction;
    return s;
}

DepStatus DepStatus::updating(double fraction)
{
    DepStatus s(Kind::Updating);
    s.m_fraction = fraction;
    return s;
}

DepStatus DepStatus::failed(const QString &message)
{
    DepStatus s(Kind::Failed);
    s.m_text1 = message;
    return s;
}

DepStatus DepStatus::updateAvailable(const QString &installed, const QString &latest)
{
    DepStatus s(Kind::UpdateAvailable);
    s.m_text1 = installed;
    s.m_text2 = latest;
    return s;
}

DepStatus DepStatus::upToDate(const QString &version)
{
    DepStatus s(Kind::UpToDate);
    s.m_text1 = version;
    return s;
}

QString DepStatus::caseName() const
{
    QString name = QString::fromLatin1(QMetaEnum::fromType<Kind>().valueToKey(int(m_kind)));
    if (!name.isEmpty())
        name[0] = name[0].toLower();
    return name;
}

bool operator==(const DepStatus &a, const DepStatus &b)
{
    if (a.m_kind != b.m_kind)
        return false;
    switch (a.m_kind) {
    case DepStatus::Kind::Downloading:
    case DepStatus::Kind::Updating:
        return a.m_fraction == b.m_fraction;
    case DepStatus::Kind::Failed:
    case DepStatus::Kind::UpToDate:
        return a.m_text1 == b.m_text1;
    case DepStatus::Kind::UpdateAvailable:
        return a.m_text1 == b.m_text1 && a.m_text2 == b.m_text2;
    default:
        return true;
    }
}
