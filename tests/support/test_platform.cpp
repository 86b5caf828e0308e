#include "support/test_platform.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "config/config_file.h"
#include "platform/controls.h"

namespace testsupport {

// ---- VirtualClock

VirtualClock::VirtualClock(platform::VirtualScheduler& scheduler, platform::DateTime start)
    : scheduler_(scheduler), base_(start), baseMs_(scheduler.nowMs()) {}

platform::DateTime VirtualClock::now() const {
  return platform::addMilliseconds(base_, scheduler_.nowMs() - baseMs_);
}

void VirtualClock::setNow(const platform::DateTime& t) {
  base_ = t;
  baseMs_ = scheduler_.nowMs();
}

bool VirtualClock::setLocalTime(const platform::DateTime& local) {
  setCalls.push_back(local);
  return acceptSet;
}

// ---- ScriptedMessageBoxes

void ScriptedMessageBoxes::expect(int count, int answer) {
  for (int i = 0; i < count; ++i) answers_.push_back(answer);
}

int ScriptedMessageBoxes::show(std::string_view text, int buttons, std::string_view title) {
  shown.push_back({std::string(text), buttons, std::string(title)});
  int answer = platform::msg::ResultOk;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  } else if (!allowAnyBoxes) {
    ADD_FAILURE() << "unexpected message box: \"" << text << "\"";
  }
  if (whileOpen) whileOpen();
  return answer;
}

// ---- ScriptedFileDialogs

std::optional<std::string> ScriptedFileDialogs::answer(const platform::FileDialogRequest& request) {
  requests.push_back(request);
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected file dialog: \"" << request.title << "\"";
    return std::nullopt;
  }
  auto a = answers.front();
  answers.pop_front();
  return a;
}

std::optional<std::string> ScriptedFileDialogs::openFile(const platform::FileDialogRequest& request) {
  return answer(request);
}

std::optional<std::string> ScriptedFileDialogs::saveFile(const platform::FileDialogRequest& request) {
  return answer(request);
}

// ---- FakeTray

void FakeTray::add(std::string_view toolTip, std::string_view iconFile) {
  ++adds;
  tip = toolTip;
  icon = iconFile;
  inTrayFlag = availableFlag;
}

void FakeTray::remove() {
  ++removes;
  inTrayFlag = false;
}

// ---- FakeSerialLink

void FakeSerialLink::feed(std::string_view bytes) {
  if (open_) deliver(bytes);
}

void FakeSerialLink::unplug() {
  if (!open_) return;
  open_ = false;
  resetBuffer();
}

void FakeSerialLink::openPort() {
  if (failOpen) throw platform::SerialError(failText);
  open_ = true;
  ++opens;
}

void FakeSerialLink::closePort() {
  if (failClose) throw platform::SerialError(failText);
  open_ = false;
  ++closes;
}

std::unique_ptr<platform::SerialLink> FakeSerialFactory::createLink() {
  auto link = std::make_unique<FakeSerialLink>();
  link->ports = ports;
  created.push_back(link.get());
  return link;
}

// ---- TempDir

TempDir::TempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "talbren-test-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = tmpl;
}

TempDir::~TempDir() {
  std::error_code ec;
  // Restore write permission on anything a test made read-only.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

// ---- AppTest

namespace {
std::string getenvOr(const char* name) {
  const char* v = ::getenv(name);
  return v ? v : "";
}
void restoreEnv(const char* name, const std::string& value) {
  if (value.empty())
    ::unsetenv(name);
  else
    ::setenv(name, value.c_str(), 1);
}
}  // namespace

AppTest::AppTest() : oldProgramDir_(getenvOr("TALBREN_PROGRAM_DIR")), oldHome_(getenvOr("HOME")) {
  ::setenv("TALBREN_PROGRAM_DIR", programDir.path().c_str(), 1);
  ::setenv("HOME", homeDir.path().c_str(), 1);
  platform::setEventErrorSink([this](const char* what, const std::string& message) {
    escapes_.push_back(std::string(what) + ": " + message);
  });
  app = std::make_unique<App>(platform.services());
}

AppTest::~AppTest() {
  app.reset();
  platform::setEventErrorSink(nullptr);
  restoreEnv("TALBREN_PROGRAM_DIR", oldProgramDir_);
  restoreEnv("HOME", oldHome_);
}

void AppTest::TearDown() {
  for (const auto& e : escapes_) ADD_FAILURE() << "failure escaped an event handler: " << e;
  escapes_.clear();
}

std::vector<std::string> AppTest::takeEscapes() {
  auto e = std::move(escapes_);
  escapes_.clear();
  return e;
}

// ---- HeadlessProgram

std::string configuration(const Elements& elements) {
  std::string text = readFile(std::string(TALBREN_TEST_DATA_DIR) + "/config/default.XML");
  EXPECT_FALSE(text.empty()) << "the golden default configuration is missing";
  for (const auto& [name, value] : elements) {
    const std::string open = "<" + name + ">";
    const std::size_t at = text.find(open);
    if (at == std::string::npos) {
      ADD_FAILURE() << "no element " << name << " in the default configuration";
      continue;
    }
    const std::size_t from = at + open.size();
    const std::size_t to = text.find("</", from);
    text.replace(from, to - from, value);
  }
  return text;
}

HeadlessProgram::HeadlessProgram(const Elements& elements)
    : oldProgramDir_(getenvOr("TALBREN_PROGRAM_DIR")), oldHome_(getenvOr("HOME")) {
  ::setenv("TALBREN_PROGRAM_DIR", programDir_.path().c_str(), 1);
  ::setenv("HOME", homeDir_.path().c_str(), 1);
  Elements all = elements;
  all.emplace_back("DIRECTORY", recorderFolder());
  writeFile(programDir_.file(config::kConfigurationFileName), configuration(all));
  platform::setEventErrorSink([this](const char* what, const std::string& message) {
    escapes_.push_back(std::string(what) + ": " + message);
  });
  platform_ = std::make_unique<TestPlatform>();
  platform_->messages.allowAnyBoxes = true;
  app_ = std::make_unique<App>(platform_->services());
  app_->start();
  // The start-up timer opens the links.
  platform_->scheduler.advance(1600);
}

HeadlessProgram::~HeadlessProgram() {
  app_.reset();
  platform::setEventErrorSink(nullptr);
  restoreEnv("TALBREN_PROGRAM_DIR", oldProgramDir_);
  restoreEnv("HOME", oldHome_);
}

std::vector<std::string> HeadlessProgram::takeEscapes() {
  auto e = std::move(escapes_);
  escapes_.clear();
  return e;
}

// ---- ReadOnlyFile

ReadOnlyFile::ReadOnlyFile(std::string path) : path_(std::move(path)) {
  ::chmod(path_.c_str(), 0444);
  if (::geteuid() != 0) {
    ok_ = true;
    return;
  }
  immutable_ = setImmutable(true);
  ok_ = immutable_;
}

void ReadOnlyFile::release() {
  if (immutable_) setImmutable(false);
  immutable_ = false;
  ::chmod(path_.c_str(), 0644);
  ok_ = false;
}

bool ReadOnlyFile::setImmutable(bool on) {
  const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  int flags = 0;
  bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (done) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return done;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void writeFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace testsupport
