#include "DepStatus.h"

#include "platform/EnumNames.h"

DepStatus::DepStatus(Kind kind, double fraction, const QString &text1, const QString &text2)
    : m_kind(kind), m_fraction(fraction), m_text1(text1), m_text2(text2)
{}

DepStatus DepStatus::downloading(double fraction)
{
    return DepStatus(Kind::Downloading, fraction);
}

DepStatus DepStatus::updating(double fraction)
{
    return DepStatus(Kind::Updating, fraction);
}

DepStatus DepStatus::failed(const QString &message)
{
    return DepStatus(Kind::Failed, 0, message);
}

DepStatus DepStatus::updateAvailable(const QString &installed, const QString &latest)
{
    return DepStatus(Kind::UpdateAvailable, 0, installed, latest);
}

DepStatus DepStatus::upToDate(const QString &version)
{
    return DepStatus(Kind::UpToDate, 0, version);
}

DepStatus DepStatus::unchecked(const QString &version, const QString &reason)
{
    return DepStatus(Kind::Unchecked, 0, version, reason);
}

QString DepStatus::caseName() const
{
    return ::caseName(m_kind);
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
    case DepStatus::Kind::Unchecked:
        return a.m_text1 == b.m_text1 && a.m_text2 == b.m_text2;
    default:
        return true;
    }
}
