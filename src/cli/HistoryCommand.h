#pragma once

#include "CliOptions.h"

// `history`: the app's finished downloads, newest first, read from its saved list.
namespace HistoryCommand {
int run(const CliOptions &options);
} // namespace HistoryCommand
