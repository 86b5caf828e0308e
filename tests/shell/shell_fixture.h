#pragma once
// The shell's test fixture: the application on virtual services whose serial
// links, tray and window host also write one shared log, so a test sees the
// order in which links close, screens come and go, the tray icon goes and the
// program ends.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "platform/screen.h"
#include "support/test_platform.h"

namespace shelltest {

class EventLog {
 public:
  void add(std::string line) { lines.push_back(std::move(line)); }
  // Position of the first line equal to text, or -1.
  int find(const std::string& text) const {
    auto it = std::find(lines.begin(), lines.end(), text);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
  }
  int count(const std::string& text) const {
    return static_cast<int>(std::count(lines.begin(), lines.end(), text));
  }
  std::vector<std::string> lines;
};

// A fake link that logs "close <name>" and can refuse to close.
class LoggedLink : public testsupport::FakeSerialLink {
 public:
  LoggedLink(EventLog& log, std::string name) : log_(log), name_(std::move(name)) {}
  bool failClose = false;

 protected:
  void closePort() override {
    if (failClose) throw platform::SerialError("the port does not close");
    log_.add("close " + name_);
    FakeSerialLink::closePort();
  }

 private:
  EventLog& log_;
  std::string name_;
};

// Names the links in the order the load sequence creates them.
class LoggedLinks : public platform::SerialFactory {
 public:
  explicit LoggedLinks(EventLog& log) : log_(log) {}
  std::unique_ptr<platform::SerialLink> createLink() override {
    static const char* const names[] = {"MSPort1", "MSPort2", "MSPort3"};
    const std::size_t n = created.size();
    auto link = std::make_unique<LoggedLink>(log_, n < 3 ? names[n] : "extra");
    created.push_back(link.get());
    return link;
  }
  std::vector<LoggedLink*> created;

 private:
  EventLog& log_;
};

class LoggedTray : public testsupport::FakeTray {
 public:
  explicit LoggedTray(EventLog& log) : log_(log) {}
  void add(std::string_view toolTip, std::string_view iconFile) override {
    log_.add("tray added");
    FakeTray::add(toolTip, iconFile);
  }
  void remove() override {
    log_.add("tray removed");
    FakeTray::remove();
  }

 private:
  EventLog& log_;
};

// Watches every screen the application creates: "<name> shown", "<name>
// hidden" on each change of visibility, "<name> unloaded".
class LoggedUi : public testsupport::RecordingUiHost, public platform::ScreenObserver {
 public:
  explicit LoggedUi(EventLog& log) : log_(log) {}
  void attach(platform::Screen& screen) override {
    RecordingUiHost::attach(screen);
    screen.setObserver(this);
    visible_[&screen] = screen.visible();
  }
  void quit(int status) override {
    log_.add("quit " + std::to_string(status));
    RecordingUiHost::quit(status);
  }
  void screenChanged(platform::Screen& s) override {
    bool& was = visible_[&s];
    if (was == s.visible()) return;
    was = s.visible();
    log_.add(s.name() + (was ? " shown" : " hidden"));
  }
  void controlChanged(platform::Control&) override {}
  void screenActivated(platform::Screen&) override {}
  void screenUnloaded(platform::Screen& s) override {
    visible_[&s] = false;
    log_.add(s.name() + " unloaded");
  }

 private:
  EventLog& log_;
  std::map<const platform::Screen*, bool> visible_;
};

class ShellTest : public testsupport::AppTest {
 protected:
  ShellTest() {
    app.reset();
    Services s = platform.services();
    app = std::make_unique<App>(Services{s.scheduler, s.clock, s.messages, s.dialogs, tray, links, ui});
  }
  // The application goes before the services it uses.
  ~ShellTest() override { app.reset(); }

  // Creates the main window, runs its load sequence and shows it.
  void start() { app->start(); }
  // Moves virtual time on by whole supervisor ticks of 250 ms.
  void ticks(int n) { platform.scheduler.advance(250LL * n); }

  EventLog log;
  LoggedLinks links{log};
  LoggedTray tray{log};
  LoggedUi ui{log};
};

}  // namespace shelltest
