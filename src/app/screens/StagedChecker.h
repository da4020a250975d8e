#pragma once

#include "deps/DependencyChecker.h"

// A checker whose installer state can be set directly, so that the
// screenshot tool and the view tests can show the setup view in any state
// without running an installation.
class StagedChecker : public DependencyChecker
{
public:
    using DependencyChecker::DependencyChecker;
    using DependencyChecker::Run;
    using DependencyChecker::setCheckingUpdates;
    using DependencyChecker::setCurrentStep;
    using DependencyChecker::setLogOutput;
    using DependencyChecker::setNetworkProblem;
    using DependencyChecker::setRun;
    using DependencyChecker::setUpdateFailed;
};
