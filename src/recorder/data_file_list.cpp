#include "recorder/data_file_list.h"

namespace recorder {

DataFileList::DataFileList(std::string name) : platform::Screen(std::move(name), "DATA FILE") {
  setSize(12000, 5760);

  EntryList.setGeometry(120, 120, 11760, 4680);
  EntryList.setFont(platform::Font{"Courier New", 9});

  DataParseCorrectly.setShape(platform::ShapeType::Circle);
  DataParseCorrectly.setFillStyle(0);
  DataParseCorrectly.setFillColor(platform::color::BrightGreen);
  DataParseCorrectly.setGeometry(240, 5160, 195, 195);

  // The position and the count sit under the gaps of the caption.
  Label2.setCaption("RECORD #    OF     RECORDS");
  Label2.setGeometry(600, 4980, 3000, 255);
  RecordPointer.setCaption("0");
  RecordPointer.setToolTip("Number of rrecords in the data file");
  RecordPointer.setAlignment(platform::Alignment::Center);
  RecordPointer.setBorder(true);
  RecordPointer.setGeometry(600, 5280, 1200, 255);
  RecordCount.setCaption("0");
  RecordCount.setToolTip("Number of rrecords in the data file");
  RecordCount.setAlignment(platform::Alignment::Center);
  RecordCount.setBorder(true);
  RecordCount.setGeometry(1920, 5280, 1200, 255);

  ShowDataScreen.setCaption("DISPLAY DATA");
  ShowDataScreen.setToolTip("Display the parsed data");
  ShowDataScreen.setGeometry(7920, 4980, 1800, 495);
  ReturnButton.setCaption("RETURN");
  ReturnButton.setGeometry(9960, 4980, 1800, 495);
}

}  // namespace recorder
