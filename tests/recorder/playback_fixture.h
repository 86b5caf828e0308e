#pragma once
// Playback files on a temporary recorder folder: writing a file, choosing it
// through a playback file label with a scripted dialog answer, and reading
// back what the record lists, the count labels and the sliders show.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "platform/files.h"
#include "recorder/form15.h"
#include "recorder/form7.h"
#include "recorder/record_lists.h"
#include "recorder/recorder.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/lifecycle.h"
#include "shell/shell.h"
#include "support/test_platform.h"

namespace playbacktest {

// An EFIS record as the link delivers it: 51 characters and its CR. Each
// second from 14:05:00 on gets its own record, so a record decoded twice
// shows in EFISSecondCount.
inline std::string efisRecord(int second) {
  const auto twoDigits = [](int v) {
    return std::string{static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)};
  };
  return "14" + twoDigits(5 + second / 60) + twoDigits(second % 60) +
         "32-053-0127123051401000-015-02010050000004A2C\r";
}

// A Dynon engine record of 119 characters; `rpm` is three digits, shown with
// a 0 behind them.
inline std::string dynonRecord(const std::string& rpm = "245") {
  return "123045072992212045045138-05" + rpm + "1250356180175GP1 12.5GP2100.0GP3  0.0" +
         "0350136013801400140115001501380425426450451400ZZZZZZ";
}

// A Dynon CSV engine record (116 characters) and a CSV file that holds it in
// the "EMS raw data" column, between the quotation mark and two letters in
// front and the quotation mark behind.
inline std::string csvRecord(const std::string& rpm = "0A8C") {
  return "XX0C1E2D2D01DF00D4004800DCFFE0" + rpm +
         "00C80238012001180019FFF88000015E5505645785795DC5DD17C1A91AA1C21C31900500C350001234";
}

class PlaybackTest : public testsupport::AppTest {
 protected:
  PlaybackTest() : folder(homeDir.path() + "/records") {
    platform::createFolder(folder);
    // The settings screen's folder box, which the main window's folder label follows.
    f2().DataFolder.setText(folder);
    f1().RecorderFolderName.setCaption(folder);
    // The main window's timers run, the 250 ms supervisor among them, as
    // once the program has started.
    app->shell().lifecycle().startTimers();
  }

  shell::Form1& f1() { return app->form1(); }
  settings::Form2& f2() { return app->form2(); }
  screens::Form4& f4() { return app->form4(); }
  screens::Form5& f5() { return app->form5(); }
  recorder::form15& efisList() { return app->form15(); }
  recorder::form7& engineList() { return app->form7(); }
  recorder::RecordStore& efisRecords() {
    return app->recorder().lists().records(recorder::PlaybackFile::EFIS);
  }
  recorder::RecordStore& engineRecords() {
    return app->recorder().lists().records(recorder::PlaybackFile::Engine);
  }

  std::string write(std::string_view name, std::string_view bytes) {
    const std::string path = platform::joinPath(folder, name);
    testsupport::writeFile(path, bytes);
    return path;
  }

  // Chooses READ FILE for the device, then clicks its playback file label and
  // answers the dialog with `path` (nullopt: cancel).
  void chooseEFIS(std::optional<std::string> path) {
    f2().EFIS_FILE.setValue(true);
    platform.dialogs.answers.push_back(std::move(path));
    f2().EFIS_DataFileName.click();
  }
  void chooseEngine(std::optional<std::string> path) {
    f2().EMS_FILE.setValue(true);
    platform.dialogs.answers.push_back(std::move(path));
    f2().EMS_DataFileName.click();
  }

  static std::vector<std::string> entries(platform::ListBox& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.listCount(); ++i) out.push_back(list.list(i));
    return out;
  }

  std::string folder;
};

}  // namespace playbacktest
