#pragma once

#include "HostMessage.h"

#include <optional>

// Hands checked addresses to the Reelix window over the session bus,
// starting the installed reelix beside this program when none runs.
namespace ReelixBus {

// Nothing when the window took them, else why not.
std::optional<HostRefusal> deliver(const HostRequest &request);

} // namespace ReelixBus
