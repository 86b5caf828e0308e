#include "shell/shell.h"

namespace shell {

void Shell::ClearCameFrom() {}
void Shell::ReturnToForm() {}
void Shell::GetHideForms() {}
void Shell::GetShowForms() {}

}  // namespace shell
