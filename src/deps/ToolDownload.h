#pragma once

#include "platform/Failure.h"

#include <QString>
#include <QUrl>

#include <QCoro/QCoroTask>

#include <functional>

class QNetworkAccessManager;

// One tool's download over HTTP(S), written to disk as it arrives (archives
// are tens of megabytes) under "reelix_dl_" + UUID in the temporary folder.
namespace ToolDownload {

// The downloaded file, which the caller owns; an error status, a transport
// error or a failed write is a failure and leaves no file behind.
QCoro::Task<Result<QString>> toTemporaryFile(QNetworkAccessManager &network, QUrl url,
                                             std::function<void(double)> onProgress);

} // namespace ToolDownload
