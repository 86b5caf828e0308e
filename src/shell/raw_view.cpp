#include "shell/shell.h"

namespace shell {

void Shell::UpdateCommDataScreen() {}

}  // namespace shell
