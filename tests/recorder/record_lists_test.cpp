// The record lists: a click on an engine record decodes it onto the engine
// data screen, DISPLAY DATA and RETURN lead where they should, and a list's
// sideways extent only grows.

#include <gtest/gtest.h>

#include <string>

#include "playback_fixture.h"
#include "shell/navigation.h"
#include "shell/shell.h"

namespace playbacktest {
namespace {

using RecordLists = PlaybackTest;

TEST_F(RecordLists, ClickingAnEngineRecordDecodesItOntoTheEngineScreenWithItsIndexFromZero) {
  chooseEngine(write("engine.dat", dynonRecord("245") + "\r\n" + dynonRecord("246").substr(0, 80) + "\r\n"));
  f4().DataPointerSlider.setValue(0);
  f4().hide();

  engineList().EntryList.setListIndex(0);
  EXPECT_EQ(engineList().RecordPointer.caption(), "0");
  EXPECT_EQ(app->EMSLine, dynonRecord("245"));
  EXPECT_EQ(f4().EMSRPM.caption(), "2450");
  EXPECT_EQ(engineList().DataParseCorrectly.fillColor(), platform::color::BrightGreen);

  engineList().EntryList.setListIndex(1);
  EXPECT_EQ(engineList().RecordPointer.caption(), "1");
  EXPECT_EQ(engineList().DataParseCorrectly.fillColor(), platform::color::Red);
  // Neither the player's slider nor its screen moves.
  EXPECT_EQ(f4().DataPointerSlider.value(), 0);
  EXPECT_FALSE(f4().visible());
  EXPECT_EQ(f4().RecordPointer.caption(), "0");

  // A CSV file's records go to the CSV decoder, chosen by the extension of
  // the file label's caption.
  chooseEngine(write("engine.csv", "Time,\"EMS raw data\",x\r\n1,\"AB" + csvRecord() + "\",y\r\n"));
  app->DataFileExtension = "dat";
  engineList().EntryList.setListIndex(0);
  EXPECT_EQ(app->DataFileExtension, "csv");
  EXPECT_EQ(f4().EMSRPM.caption(), "2700");
  EXPECT_EQ(f4().RecordLength.caption(), "116");
  EXPECT_EQ(engineList().DataParseCorrectly.fillColor(), platform::color::BrightGreen);
}

TEST_F(RecordLists, ClickingAnEfisRecordOnlySelectsIt) {
  chooseEFIS(write("efis.dat", efisRecord(7) + "\r\n"));
  app->EFISLine = "untouched";
  efisList().EntryList.setListIndex(0);
  EXPECT_EQ(efisList().EntryList.listIndex(), 0);
  EXPECT_EQ(app->EFISLine, "untouched");
  EXPECT_EQ(efisList().RecordPointer.caption(), "0");
}

TEST_F(RecordLists, DisplayDataAndReturnEndWhereTheyShould) {
  shell::Navigation& navigation = app->shell().navigation();
  // The engine list, opened from the settings screen.
  navigation.ClearCameFrom();
  app->CameFromForm[idx(ScreenId::Form2)] = true;
  engineList().show();
  engineList().ShowDataScreen.click();
  EXPECT_FALSE(engineList().visible());
  EXPECT_TRUE(f4().visible());
  EXPECT_TRUE(app->CameFromForm[idx(ScreenId::form7)]);
  EXPECT_FALSE(app->CameFromForm[idx(ScreenId::Form2)]);
  // The engine screen's RETURN brings the list back; the list's RETURN then
  // shows the main window in its own place.
  f4().Command1.click();
  EXPECT_TRUE(engineList().visible());
  EXPECT_FALSE(f4().visible());
  engineList().ReturnButton.click();
  EXPECT_FALSE(engineList().visible());
  EXPECT_TRUE(f1().visible());

  // Opened from the settings screen, RETURN goes back there.
  f1().hide();
  navigation.ClearCameFrom();
  app->CameFromForm[idx(ScreenId::Form2)] = true;
  efisList().show();
  efisList().ReturnButton.click();
  EXPECT_FALSE(efisList().visible());
  EXPECT_TRUE(f2().visible());
  EXPECT_FALSE(f1().visible());

  // The EFIS list's DISPLAY DATA shows the main window and touches no flag.
  f2().hide();
  efisList().show();
  efisList().ShowDataScreen.click();
  EXPECT_FALSE(efisList().visible());
  EXPECT_TRUE(f1().visible());
  EXPECT_TRUE(app->CameFromForm[idx(ScreenId::Form2)]);
}

TEST_F(RecordLists, TheSidewaysExtentCoversTheLongestLineEverLoaded) {
  const std::string longLine(300, 'L');
  chooseEFIS(write("long.dat", "short\r\n" + longLine + "\r\n"));
  const int wide = efisList().EntryList.horizontalExtent();
  // 302 cells (the line and two blanks) of 108 twips at 15 twips a pixel.
  EXPECT_EQ(wide, 2174);
  chooseEFIS(write("short.dat", "a\r\nb\r\n"));
  EXPECT_EQ(efisList().EntryList.horizontalExtent(), wide);
  EXPECT_EQ(efisList().EntryList.listCount(), 2);
  EXPECT_EQ(efisList().EntryList.longestEntry(), 1u);
  // Each list keeps its own.
  chooseEngine(write("engine.dat", "abc\r\n"));
  EXPECT_EQ(engineList().EntryList.horizontalExtent(), 5 * 108 / 15);
}

}  // namespace
}  // namespace playbacktest
