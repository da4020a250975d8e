#include "TemporaryNames.h"

#include <QDir>
#include <QUuid>

namespace TemporaryNames {

QString uuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

QString inTemp(const QString &prefix)
{
    return QDir::tempPath() + QLatin1Char('/') + prefix + uuid();
}

} // namespace TemporaryNames
