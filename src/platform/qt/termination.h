#pragma once
// SIGTERM and SIGINT end the program through its own shut-down: the signal is
// passed through a pipe to the event thread, where the handler runs.

#include <functional>

namespace platform::qt {

// Needs the application object. Installing again replaces the handler.
void installTerminationHandler(std::function<void()> onTerminate);
// Restores the default signal actions.
void removeTerminationHandler();

}  // namespace platform::qt
