#pragma once
// SIGTERM, SIGINT, SIGHUP and SIGQUIT end the program through its own
// shut-down: the signal is passed through a pipe to the event thread, where
// the handler runs. SIGPIPE is ignored.

#include <functional>

namespace platform::qt {

// Needs the application object. Installing again replaces the handler.
void installTerminationHandler(std::function<void()> onTerminate);
// From here on the ending signals are ignored: the program is ending.
void removeTerminationHandler();

}  // namespace platform::qt
