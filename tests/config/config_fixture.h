#pragma once
// A fresh program with its configuration file in the temporary program
// folder, and the steps of start-up that the configuration takes part in.

#include <string>
#include <string_view>
#include <vector>

#include "config/config.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "settings/settings.h"
#include "shell/form1.h"
#include "support/test_platform.h"

namespace configtest {

class ConfigTest : public testsupport::AppTest {
 protected:
  std::string path() const { return programDir.file("TalbrenRuvoveZaviZaredido.XML"); }
  std::string fileBytes() const { return testsupport::readFile(path()); }
  void writeConfig(std::string_view bytes) const { testsupport::writeFile(path(), bytes); }

  settings::Form2& f2() { return app->form2(); }
  settings::form13& f13() { return app->form13(); }
  shell::Form1& f1() { return app->form1(); }

  // Start-up as far as the configuration goes: the version caption, the
  // load, the apply and the recorder folder hand-over.
  void startUp() {
    f1().RevNumber.setCaption("Version 3.3.16   19 Oct 2008");
    load();
    app->config().UpdateNow_Click();
    app->settings().LoadDataFolder();
  }
  void load() {
    app->LoadConfigRequest = true;
    app->config().LoadSaveFiles();
  }
  void save() {
    app->SaveConfigRequest = true;
    app->config().LoadSaveFiles();
  }
  // A program started anew on the same program folder.
  void restart() {
    app.reset();
    app = std::make_unique<App>(platform.services());
  }
};

// The lines of a file, each without its CR LF; a missing CR LF at the end or
// a lone LF shows as a line ending in "<no CR LF>".
inline std::vector<std::string> linesOf(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t lf = bytes.find('\n', start);
    if (lf == std::string_view::npos) {
      lines.push_back(std::string(bytes.substr(start)) + "<no CR LF>");
      break;
    }
    if (lf == start || bytes[lf - 1] != '\r')
      lines.push_back(std::string(bytes.substr(start, lf - start)) + "<no CR LF>");
    else
      lines.push_back(std::string(bytes.substr(start, lf - start - 1)));
    start = lf + 1;
  }
  return lines;
}

// Line n (counted from 1) of the file.
inline std::string lineOf(std::string_view bytes, std::size_t n) {
  const auto lines = linesOf(bytes);
  return n >= 1 && n <= lines.size() ? lines[n - 1] : std::string("<no line>");
}

}  // namespace configtest
