// Structure of the recorder's screens: unique names, every visible control
// inside its container and clear of its siblings, and the design texts.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/virtual_scheduler.h"
#include "recorder/form15.h"
#include "recorder/form16.h"
#include "recorder/form6.h"
#include "recorder/form7.h"

namespace {

struct Screens {
  platform::VirtualScheduler scheduler;
  recorder::Form6 fileManager{scheduler};
  recorder::form7 engineList{scheduler};
  recorder::form15 efisList{scheduler};
  recorder::form16 sliderList{scheduler};
  std::vector<platform::Screen*> all() { return {&fileManager, &engineList, &efisList, &sliderList}; }
};

struct Box {
  int left, top, right, bottom;
};

Box boxOf(const platform::Control& c) {
  return {c.left(), c.top(), c.left() + c.width(), c.top() + c.height()};
}

bool overlap(const Box& a, const Box& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(RecorderScreens, ObjectNamesAreUniqueOnEachScreen) {
  Screens s;
  for (platform::Screen* screen : s.all()) {
    std::set<std::string> names;
    for (const platform::Control* c : screen->controls())
      EXPECT_TRUE(names.insert(c->objectName()).second) << screen->name() << ": " << c->objectName();
  }
}

TEST(RecorderScreens, VisibleControlsLieInsideTheirContainerAndDoNotOverlap) {
  Screens s;
  for (platform::Screen* screen : s.all()) {
    std::vector<const platform::Control*> shown;
    for (const platform::Control* c : screen->controls()) {
      if (!c->visible() || c->kind() == platform::ControlKind::Line) continue;
      shown.push_back(c);
      int w = c->container() ? c->container()->width() : screen->width();
      int h = c->container() ? c->container()->height() : screen->height();
      Box b = boxOf(*c);
      EXPECT_GT(c->width(), 0) << screen->name() << "." << c->objectName();
      EXPECT_GT(c->height(), 0) << screen->name() << "." << c->objectName();
      EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.right <= w && b.bottom <= h)
          << screen->name() << "." << c->objectName() << " lies outside its container";
    }
    for (std::size_t i = 0; i < shown.size(); ++i)
      for (std::size_t j = i + 1; j < shown.size(); ++j)
        if (shown[i]->container() == shown[j]->container()) {
          EXPECT_FALSE(overlap(boxOf(*shown[i]), boxOf(*shown[j])))
              << screen->name() << ": " << shown[i]->objectName() << " overlaps " << shown[j]->objectName();
        }
  }
}

TEST(RecorderScreens, DesignCaptionsAndToolTips) {
  Screens s;
  EXPECT_EQ(s.fileManager.caption(), "File Maintenance");
  EXPECT_EQ(s.engineList.caption(), "DATA FILE");
  EXPECT_EQ(s.efisList.caption(), "DATA FILE");
  EXPECT_EQ(s.sliderList.caption(), "DATA FILE");

  struct Row {
    platform::Screen* screen;
    const char* control;
    const char* caption;
    const char* toolTip;
  };
  const char* limitTip = "Delete older files when the total size exceeds this value";
  const Row rows[] = {
      {&s.fileManager, "Command1", "REFRESH", "Delete the selected file"},
      {&s.fileManager, "DeleteFileButton", "DELETE FILE", "Delete the selected file"},
      {&s.fileManager, "PurgeFilesButton", "PURGE FILES",
       "This will purge all older files that go over the size limit"},
      {&s.fileManager, "ReturnButton", "RETURN", "SAVE the Configuration as default"},
      {&s.fileManager, "Label1", "FILES", ""},
      {&s.fileManager, "Label2", "SIZE (Gig)", ""},
      {&s.fileManager, "Label3", "MAX", "Max Size to store"},
      {&s.fileManager, "Label6", "SIZE (Meg)", ""},
      {&s.fileManager, "Label4", "EFIS", ""},
      {&s.fileManager, "Label5", "RECORDER", "Recorder - Excel format"},
      {&s.fileManager, "Label7", "EMS", ""},
      {&s.fileManager, "Label8", "GPS", ""},
      {&s.fileManager, "EFISFiles", "0", "Number of *.DAT Files"},
      {&s.fileManager, "EMSFiles", "0", "Number of *.DAT Files"},
      {&s.fileManager, "GPSFiles", "0", "Number of *.DAT Files"},
      {&s.fileManager, "TXTFiles", "0", "Number of *.TXT Files"},
      {&s.fileManager, "EFISFileSize", "0.000", ""},
      {&s.fileManager, "EMSFileSize", "0.000", ""},
      {&s.fileManager, "GPSFileSize", "0.000", ""},
      {&s.fileManager, "TXTFileSize", "0.000", ""},
      {&s.fileManager, "SaveEFISCaptureFileSize", "1", limitTip},
      {&s.fileManager, "SaveEMSCaptureFileSize", "10", limitTip},
      {&s.fileManager, "SaveGPSCaptureFileSize", "10", limitTip},
      {&s.fileManager, "SaveExcelDataFileSize", "1", limitTip},
      {&s.engineList, "ShowDataScreen", "DISPLAY DATA", "Display the parsed data"},
      {&s.engineList, "ReturnButton", "RETURN", ""},
      {&s.engineList, "Label2", "RECORD #    OF     RECORDS", ""},
      {&s.engineList, "RecordPointer", "0", "Number of rrecords in the data file"},
      {&s.engineList, "RecordCount", "0", "Number of rrecords in the data file"},
      {&s.efisList, "ShowDataScreen", "DISPLAY DATA", "Display the parsed data"},
      {&s.efisList, "ReturnButton", "RETURN", ""},
      {&s.efisList, "Label2", "RECORD #    OF     RECORDS", ""},
      {&s.efisList, "RecordPointer", "0", "Number of rrecords in the data file"},
      {&s.efisList, "RecordCount", "0", "Number of rrecords in the data file"},
      {&s.sliderList, "ReturnButton", "RETURN", ""},
  };
  for (const Row& r : rows) {
    platform::Control* c = r.screen->findControl(r.control);
    ASSERT_NE(c, nullptr) << r.screen->name() << "." << r.control;
    EXPECT_EQ(c->caption(), r.caption) << r.screen->name() << "." << r.control;
    EXPECT_EQ(c->toolTip(), r.toolTip) << r.screen->name() << "." << r.control;
  }
}

TEST(RecorderScreens, FileListColumnsInSortKeyOrder) {
  Screens s;
  std::vector<std::string> headers;
  for (const auto& col : s.fileManager.ListView1.columns()) headers.push_back(col.text);
  EXPECT_EQ(headers, (std::vector<std::string>{"FILENAME", "TYPE", "CREATED", "SIZE"}));
  EXPECT_EQ(s.fileManager.ListView1.itemCount(), 0);
  EXPECT_FALSE(s.fileManager.ListView1.sorted());
}

TEST(RecorderScreens, RecordListsStartEmptyWithAGreenSolidLamp) {
  Screens s;
  for (auto* list :
       {static_cast<platform::Screen*>(&s.engineList), static_cast<platform::Screen*>(&s.efisList)}) {
    auto* entries = dynamic_cast<platform::ListBox*>(list->findControl("EntryList"));
    ASSERT_NE(entries, nullptr) << list->name();
    EXPECT_EQ(entries->listCount(), 0) << list->name();
    auto* lamp = dynamic_cast<platform::Shape*>(list->findControl("DataParseCorrectly"));
    ASSERT_NE(lamp, nullptr) << list->name();
    EXPECT_EQ(lamp->fillColor(), 65280u) << list->name();
    EXPECT_EQ(lamp->fillStyle(), 0) << list->name();
  }
}

}  // namespace
