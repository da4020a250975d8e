#pragma once

#include <QMetaEnum>
#include <QString>

// A Q_ENUM case as scripts and logs name it: "UpdateAvailable" → "updateAvailable".
template <typename Enum> QString caseName(Enum value)
{
    QString name = QString::fromLatin1(QMetaEnum::fromType<Enum>().valueToKey(int(value)));
    if (!name.isEmpty())
        name[0] = name[0].toLower();
    return name;
}
