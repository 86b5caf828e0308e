#pragma once
// A recorder on a temporary recorder folder, a fixed PC clock and virtual
// time, with helpers that read the day's record file back line by line.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "platform/files.h"
#include "recorder/recorder.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/lifecycle.h"
#include "shell/shell.h"
#include "support/test_platform.h"

namespace recordertest {

class RecorderTest : public testsupport::AppTest {
 protected:
  RecorderTest() : folder(homeDir.path() + "/records") {
    platform::createFolder(folder);
    f1().RecorderFolderName.setCaption(folder);
    // 26 October 2012: the day's file is TBRC_102612.TXT.
    platform.clock.setNow({2012, 10, 26, 14, 5, 9, 0});
    f1().ComputerTime.setCaption("1405:09");
    // As the start-up leaves it: a header is due before the first record,
    // the main window's timers running.
    app->NewFilePending = true;
    app->shell().lifecycle().startTimers();
  }

  shell::Form1& f1() { return app->form1(); }
  settings::Form2& f2() { return app->form2(); }
  recorder::Recorder& rec() { return app->recorder(); }

  std::string file(std::string_view day = "102612") const {
    return folder + "/TBRC_" + std::string(day) + ".TXT";
  }

  // Chooses a record interval and sets the record clock as applying the
  // settings would.
  void chooseInterval(platform::OptionButton& option, int ms) {
    option.setValue(true);
    f1().DisplayUpdateTimer.setInterval(ms);
  }

  void setPorts(std::string_view gps, std::string_view efis, std::string_view ems) {
    f1().GPSCommPort.setCaption(gps);
    f1().EFISCommPort.setCaption(efis);
    f1().EMSCommPort.setCaption(ems);
  }

  // The lines of a record file without their CR LF; a file that does not end
  // in CR LF fails the test.
  std::vector<std::string> lines(const std::string& path) {
    const std::string bytes = testsupport::readFile(path);
    std::vector<std::string> out;
    std::size_t from = 0;
    while (from < bytes.size()) {
      const std::size_t end = bytes.find("\r\n", from);
      if (end == std::string::npos) {
        ADD_FAILURE() << "the last line of " << path << " has no CR LF";
        out.push_back(bytes.substr(from));
        break;
      }
      out.push_back(bytes.substr(from, end - from));
      from = end + 2;
    }
    return out;
  }

  // Header lines ("COMPUTER TIME" first) and record lines of a file.
  struct Counts {
    int headers = 0;
    int records = 0;
  };
  Counts count(const std::string& path) {
    Counts c;
    for (const std::string& l : lines(path)) {
      if (l.rfind("COMPUTER TIME\t", 0) == 0)
        ++c.headers;
      else if (l.rfind("Grand Rapids Monitor", 0) != 0)
        ++c.records;
    }
    return c;
  }

  std::string folder;
};

// Splits a line at its TABs; every field is followed by one, so a line that
// does not end in TAB fails the test.
inline std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> out;
  std::size_t from = 0;
  while (from < line.size()) {
    const std::size_t tab = line.find('\t', from);
    if (tab == std::string::npos) {
      ADD_FAILURE() << "line does not end in TAB: " << line;
      out.push_back(line.substr(from));
      break;
    }
    out.push_back(line.substr(from, tab - from));
    from = tab + 1;
  }
  return out;
}

}  // namespace recordertest
