#pragma once

#include "TransferLimits.h"

#include "platform/Failure.h"

#include <QString>
#include <QUrl>

#include <QCoro/QCoroTask>

#include <functional>

class QNetworkAccessManager;
class StopSwitch;

// One tool's download over HTTP(S), written to disk as it arrives (archives
// are tens of megabytes) under "reelix_dl_" + UUID in the temporary folder.
namespace ToolDownload {

// The downloaded file, which the caller owns; an error status, a transport
// error, a failed write, no byte within the idle limit or a stop is a
// failure and leaves no file behind, as is a transfer past its limits or a
// redirect to a less safe address.
QCoro::Task<Result<QString>> toTemporaryFile(QNetworkAccessManager &network, QUrl url,
                                             std::function<void(double)> onProgress,
                                             const StopSwitch *stop,
                                             TransferLimits limits = TransferLimits::forTool());

} // namespace ToolDownload
