#pragma once

#include <QString>
#include <QVariant>

// The per-user settings shared by the app and the command-line front end
// (organisation and application "Reelix"). Every read opens the store afresh
// so that a change made by another process or window is seen on the next call.
namespace UserDefaults {

bool boolValue(const QString &key);
QVariant value(const QString &key);
void setValue(const QString &key, const QVariant &value);
void remove(const QString &key);

} // namespace UserDefaults
