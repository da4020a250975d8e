#include "DownloadTypes.h"

#include "platform/EnumNames.h"

QString statusName(DownloadStatus status)
{
    return caseName(status);
}
