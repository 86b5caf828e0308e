#include "shell/shell.h"

namespace shell {

void Shell::Enable_DisableButtons() {}
void Shell::InitScreens() {}

}  // namespace shell
