#include "shell/shell.h"

namespace shell {

void Shell::SetTime_Click() {}
float Shell::GetTimeZoneOffset() { return 0; }

}  // namespace shell
