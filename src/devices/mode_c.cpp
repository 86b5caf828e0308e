#include "devices/mode_c.h"

#include "app/app.h"

namespace devices {

ModeC::ModeC(App& app) : app_(app) {}
ModeC::~ModeC() = default;
void ModeC::wire(ScreenId) {}
void ModeC::LoadModeCTable() {}
void ModeC::UpdateModeCGrayCode() {}
void ModeC::ModeCGrayCode_Click() {}

}  // namespace devices
