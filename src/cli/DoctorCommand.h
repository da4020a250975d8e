#pragma once

#include "CliOptions.h"

#include <QCoro/QCoroTask>

// `doctor [--json | --report]`: the setup check, exiting 1 when a check
// found a problem.
namespace DoctorCommand {
QCoro::Task<int> run(CliOptions options);
} // namespace DoctorCommand
