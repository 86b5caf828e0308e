#pragma once
// Headless platform services for tests: virtual time, a virtual clock,
// recorded and scripted message boxes and dialogs, a fake tray, fake serial
// links and a window host that only records.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "platform/serial.h"
#include "platform/services.h"
#include "platform/virtual_scheduler.h"

namespace testsupport {

// Local time that follows virtual time: start + the scheduler's milliseconds.
class VirtualClock : public platform::Clock {
 public:
  explicit VirtualClock(platform::VirtualScheduler& scheduler,
                        platform::DateTime start = {2008, 10, 19, 12, 0, 0, 0});
  platform::DateTime now() const override;
  platform::TimeZoneInformation timeZone() const override { return zone; }
  // Records the call; never touches the machine's clock.
  bool setLocalTime(const platform::DateTime& local) override;
  // Makes now() read t at the current virtual instant.
  void setNow(const platform::DateTime& t);

  platform::TimeZoneInformation zone{1, 0, 0, -60};
  bool acceptSet = true;
  std::vector<platform::DateTime> setCalls;

 private:
  platform::VirtualScheduler& scheduler_;
  platform::DateTime base_;
  std::int64_t baseMs_ = 0;
};

// Records every box. A box beyond the expected count fails the test, unless
// allowAnyBoxes is set.
class ScriptedMessageBoxes : public platform::MessageBoxes {
 public:
  struct Box {
    std::string text;
    int buttons = 0;
    std::string title;
  };
  int show(std::string_view text, int buttons, std::string_view title) override;
  void beep() override { ++beeps; }
  // The next count boxes are expected and answered with answer.
  void expect(int count = 1, int answer = platform::msg::ResultOk);
  std::vector<Box> shown;
  int beeps = 0;
  bool allowAnyBoxes = false;
  // Runs while a box is open, as events keep running under a modal box.
  std::function<void()> whileOpen;

 private:
  std::deque<int> answers_;
};

class ScriptedFileDialogs : public platform::FileDialogs {
 public:
  std::optional<std::string> openFile(const platform::FileDialogRequest& request) override;
  std::optional<std::string> saveFile(const platform::FileDialogRequest& request) override;
  // Answers in order; an empty optional is a cancel.
  std::deque<std::optional<std::string>> answers;
  std::vector<platform::FileDialogRequest> requests;

 private:
  std::optional<std::string> answer(const platform::FileDialogRequest& request);
};

class FakeTray : public platform::Tray {
 public:
  bool available() const override { return availableFlag; }
  void add(std::string_view toolTip, std::string_view iconFile) override;
  bool inTray() const override { return inTrayFlag; }
  void setToolTip(std::string_view toolTip) override { tip = toolTip; }
  void remove() override;
  void popupMenu(platform::Menu& menu) override { popups.push_back(&menu); }

  bool availableFlag = true;
  bool inTrayFlag = false;
  std::string tip;
  std::string icon;
  int adds = 0;
  int removes = 0;
  std::vector<platform::Menu*> popups;
};

// A serial link that records the settings written in order and feeds the
// bytes a test chooses through the real chunking.
class FakeSerialLink : public platform::SerialLink {
 public:
  std::vector<int> AvailablePorts() const override { return ports; }
  // Bytes arriving from the device (only while open, as on a real port).
  void feed(std::string_view bytes);
  // The adapter is pulled out: the link closes without a message.
  void unplug();

  std::vector<std::string> writes;
  std::vector<int> ports;
  bool failOpen = false;
  // Closing fails too (the port stays open).
  bool failClose = false;
  std::string failText = "The port is not available";
  int opens = 0;
  int closes = 0;

 protected:
  bool isOpen() const override { return open_; }
  void openPort() override;
  void closePort() override;
  void settingWritten(std::string_view name) override { writes.emplace_back(name); }

 private:
  bool open_ = false;
};

class FakeSerialFactory : public platform::SerialFactory {
 public:
  std::unique_ptr<platform::SerialLink> createLink() override;
  // The ports every new link reports.
  std::vector<int> ports;
  std::vector<FakeSerialLink*> created;
};

class RecordingUiHost : public platform::UiHost {
 public:
  void attach(platform::Screen& screen) override { attached.push_back(&screen); }
  void quit(int status) override {
    ++quits;
    lastStatus = status;
  }
  // A long task's pause: counted, then the test's own step (moving virtual
  // time on, a click on the live control, a shut-down request).
  void pauseForInput(platform::Control& live, platform::Screen& main) override {
    ++pauses;
    if (onPause) onPause(live, main);
  }
  std::vector<platform::Screen*> attached;
  int quits = 0;
  int lastStatus = -1;
  int pauses = 0;
  std::function<void(platform::Control& live, platform::Screen& main)> onPause;
};

// A temporary folder removed with its contents at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

 private:
  std::string path_;
};

struct TestPlatform {
  platform::VirtualScheduler scheduler;
  VirtualClock clock{scheduler};
  ScriptedMessageBoxes messages;
  ScriptedFileDialogs dialogs;
  FakeTray tray;
  FakeSerialFactory serial;
  RecordingUiHost ui;
  Services services() { return Services{scheduler, clock, messages, dialogs, tray, serial, ui}; }
};

// Base fixture: a fresh App on test services, with the program folder and the
// home folder in temporary folders. Failures that escape an event handler are
// collected; the test fails on any it did not take with takeEscapes().
class AppTest : public ::testing::Test {
 protected:
  AppTest();
  ~AppTest() override;
  void TearDown() override;
  std::vector<std::string> takeEscapes();

  TempDir programDir;
  TempDir homeDir;
  TestPlatform platform;
  std::unique_ptr<App> app;

 private:
  std::vector<std::string> escapes_;
  std::string oldProgramDir_, oldHome_;
};

// Configuration elements: name and value, set over the golden default
// configuration.
using Elements = std::vector<std::pair<std::string, std::string>>;

// The golden default configuration (tests/data/config/default.XML) with the
// elements set; an element the default does not hold fails the test.
std::string configuration(const Elements& elements);

// The program as it starts from its configuration file, on test services: an
// App whose program folder holds the golden default configuration with the
// elements set and the recorder folder pointed at <home>/rec, both folders
// temporary, started and run in virtual time past the start-up timer, so the
// configured links are open. Message boxes are recorded and answered OK;
// failures that escape an event handler are collected.
class HeadlessProgram {
 public:
  explicit HeadlessProgram(const Elements& elements);
  ~HeadlessProgram();
  HeadlessProgram(const HeadlessProgram&) = delete;
  HeadlessProgram& operator=(const HeadlessProgram&) = delete;

  App& app() { return *app_; }
  TestPlatform& platform() { return *platform_; }
  std::string programFolder() const { return programDir_.path(); }
  std::string recorderFolder() const { return homeDir_.file("rec"); }
  // The failures that escaped an event handler since the last call.
  std::vector<std::string> takeEscapes();

 private:
  TempDir programDir_;
  TempDir homeDir_;
  std::string oldProgramDir_, oldHome_;
  std::vector<std::string> escapes_;
  std::unique_ptr<TestPlatform> platform_;
  std::unique_ptr<App> app_;
};

// Makes a file refuse writes, also for root (who ignores permission bits):
// the immutable attribute is set where the file system keeps it. Undone when
// released or destroyed; ok() is false where it cannot be done.
class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(std::string path);
  ~ReadOnlyFile() { release(); }
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
  bool ok() const { return ok_; }
  void release();

 private:
  bool setImmutable(bool on);
  std::string path_;
  bool ok_ = false;
  bool immutable_ = false;
};

// Reads a whole file as bytes; empty when it does not exist.
std::string readFile(const std::string& path);
void writeFile(const std::string& path, std::string_view bytes);

}  // namespace testsupport
