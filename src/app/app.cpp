#include "app/app.h"

#include "config/config.h"
#include "devices/devices.h"
#include "recorder/form15.h"
#include "recorder/form16.h"
#include "recorder/form6.h"
#include "recorder/form7.h"
#include "recorder/recorder.h"
#include "screens/form10.h"
#include "screens/form11.h"
#include "screens/form12.h"
#include "screens/form20.h"
#include "screens/form21.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "screens/form8.h"
#include "screens/form9.h"
#include "screens/screens.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "settings/settings.h"
#include "shell/form1.h"
#include "shell/form3.h"
#include "shell/lifecycle.h"
#include "shell/shell.h"

const char* screenName(ScreenId id) {
  static constexpr const char* names[kScreenCount] = {
      "Form1",  "Form2",  "Form3",  "Form4",  "Form5",  "Form6",  "form7",  "Form8", "Form9",
      "Form10", "Form11", "form12", "form13", "form15", "form16", "form20", "form21"};
  return names[idx(id)];
}

App::App(Services services)
    : services_(services),
      shell_(std::make_unique<shell::Shell>(*this)),
      config_(std::make_unique<config::Config>(*this)),
      devices_(std::make_unique<devices::Devices>(*this)),
      recorder_(std::make_unique<recorder::Recorder>(*this)),
      instruments_(std::make_unique<screens::Screens>(*this)),
      settings_(std::make_unique<settings::Settings>(*this)) {}

App::~App() {
  // Screens go first: their timers and controls may call into the subsystems.
  for (auto& s : screens_) {
    if (s) s->setObserver(nullptr);
  }
  for (auto it = screens_.rbegin(); it != screens_.rend(); ++it) it->reset();
}

template <class T>
T& App::get(ScreenId id) {
  auto& slot = screens_[idx(id)];
  if (!slot) {
    auto screen = std::make_unique<T>(services_.scheduler);
    T& ref = *screen;
    slot = std::move(screen);
    created(id, ref);
  }
  return static_cast<T&>(*slot);
}

void App::created(ScreenId id, platform::Screen& s) {
  services_.ui.attach(s);
  shell_->wire(id);
  config_->wire(id);
  devices_->wire(id);
  recorder_->wire(id);
  instruments_->wire(id);
  settings_->wire(id);
}

shell::Form1& App::form1() {
  return get<shell::Form1>(ScreenId::Form1);
}
settings::Form2& App::form2() {
  return get<settings::Form2>(ScreenId::Form2);
}
shell::Form3& App::form3() {
  return get<shell::Form3>(ScreenId::Form3);
}
screens::Form4& App::form4() {
  return get<screens::Form4>(ScreenId::Form4);
}
screens::Form5& App::form5() {
  return get<screens::Form5>(ScreenId::Form5);
}
recorder::Form6& App::form6() {
  return get<recorder::Form6>(ScreenId::Form6);
}
recorder::form7& App::form7() {
  return get<recorder::form7>(ScreenId::form7);
}
screens::Form8& App::form8() {
  return get<screens::Form8>(ScreenId::Form8);
}
screens::Form9& App::form9() {
  return get<screens::Form9>(ScreenId::Form9);
}
screens::Form10& App::form10() {
  return get<screens::Form10>(ScreenId::Form10);
}
screens::Form11& App::form11() {
  return get<screens::Form11>(ScreenId::Form11);
}
screens::form12& App::form12() {
  return get<screens::form12>(ScreenId::form12);
}
settings::form13& App::form13() {
  return get<settings::form13>(ScreenId::form13);
}
recorder::form15& App::form15() {
  return get<recorder::form15>(ScreenId::form15);
}
recorder::form16& App::form16() {
  return get<recorder::form16>(ScreenId::form16);
}
screens::form20& App::form20() {
  return get<screens::form20>(ScreenId::form20);
}
screens::form21& App::form21() {
  return get<screens::form21>(ScreenId::form21);
}

platform::Screen& App::screen(ScreenId id) {
  switch (id) {
    case ScreenId::Form1:
      return form1();
    case ScreenId::Form2:
      return form2();
    case ScreenId::Form3:
      return form3();
    case ScreenId::Form4:
      return form4();
    case ScreenId::Form5:
      return form5();
    case ScreenId::Form6:
      return form6();
    case ScreenId::form7:
      return form7();
    case ScreenId::Form8:
      return form8();
    case ScreenId::Form9:
      return form9();
    case ScreenId::Form10:
      return form10();
    case ScreenId::Form11:
      return form11();
    case ScreenId::form12:
      return form12();
    case ScreenId::form13:
      return form13();
    case ScreenId::form15:
      return form15();
    case ScreenId::form16:
      return form16();
    case ScreenId::form20:
      return form20();
    case ScreenId::form21:
      return form21();
  }
  return form1();
}

void App::start() {
  shell::Form1& main = form1();
  shell_->lifecycle().startTimers();
  shell_->lifecycle().Form_Load();
  main.show();
}
