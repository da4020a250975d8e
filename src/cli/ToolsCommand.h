#pragma once

#include "CliOptions.h"
#include "Terminal.h"

#include "deps/DependencyChecker.h"

#include <QCoro/QCoroTask>

// `tools status|install|update` and `certs`, over the app's own objects.
namespace ToolsCommand {
QCoro::Task<int> run(CliOptions options);
QCoro::Task<int> certs(CliOptions options);
} // namespace ToolsCommand
