#include "shell/shell.h"

namespace shell {

void Shell::Quartersecondtimer_Timer() {}

}  // namespace shell
