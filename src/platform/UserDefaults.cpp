#include "UserDefaults.h"

#include <QSettings>

namespace {
const QString kOrganisation = QStringLiteral("Reelix");
const QString kApplication = QStringLiteral("Reelix");
} // namespace

namespace UserDefaults {

bool boolValue(const QString &key)
{
    return value(key).toBool();
}

QVariant value(const QString &key)
{
    QSettings settings(kOrganisation, kApplication);
    return settings.value(key);
}

void setValue(const QString &key, const QVariant &value)
{
    QSettings settings(kOrganisation, kApplication);
    settings.setValue(key, value);
    settings.sync();
}

void remove(const QString &key)
{
    QSettings settings(kOrganisation, kApplication);
    settings.remove(key);
    settings.sync();
}

} // namespace UserDefaults
