#pragma once

#include "CliOptions.h"
#include "Terminal.h"

#include "deps/DependencyChecker.h"

#include <QCoro/QCoroTask>

class StopSignals;

// `tools status|install|update` and `certs`, over the app's own objects.
namespace ToolsCommand {
// Exits 130 after a stop signal, once the work under way has ended.
QCoro::Task<int> run(CliOptions options, const StopSignals &stopSignals);
QCoro::Task<int> certs(CliOptions options);
} // namespace ToolsCommand
