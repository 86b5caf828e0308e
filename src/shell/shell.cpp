#include "shell/shell.h"

#include "shell/clock_setter.h"
#include "shell/lifecycle.h"
#include "shell/main_handlers.h"
#include "shell/navigation.h"
#include "shell/raw_view.h"
#include "shell/screen_buttons.h"
#include "shell/supervisor.h"
#include "shell/tray_menus.h"

namespace shell {

Shell::Shell(App& app)
    : lifecycle_(std::make_unique<Lifecycle>(app)),
      supervisor_(std::make_unique<Supervisor>(app)),
      navigation_(std::make_unique<Navigation>(app)),
      rawView_(std::make_unique<RawView>(app)),
      trayMenus_(std::make_unique<TrayMenus>(app)),
      clockSetter_(std::make_unique<ClockSetter>(app)),
      mainHandlers_(std::make_unique<MainHandlers>(app)),
      screenButtons_(std::make_unique<ScreenButtons>(app)) {}

Shell::~Shell() = default;

void Shell::wire(ScreenId id) {
  lifecycle_->wire(id);
  supervisor_->wire(id);
  mainHandlers_->wire(id);
  clockSetter_->wire(id);
  trayMenus_->wire(id);
  rawView_->wire(id);
  screenButtons_->wire(id);
  navigation_->wire(id);
}

}  // namespace shell
