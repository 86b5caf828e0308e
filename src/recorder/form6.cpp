#include "recorder/form6.h"

#include <string_view>

namespace recorder {

namespace {

constexpr int kRowHeight = 255;
constexpr int kButtonHeight = 495;

// Columns of the size table (left edge, width).
constexpr int kCaptionLeft = 120, kCaptionWidth = 1320;
constexpr int kFilesLeft = 1560, kFilesWidth = 900;
constexpr int kSizeLeft = 2580, kSizeWidth = 1320;
constexpr int kMaxLeft = 4020, kMaxWidth = 900;

void heading(platform::Label& l, std::string_view caption, int left, int top, int width) {
  l.setCaption(caption);
  l.setAlignment(platform::Alignment::Center);
  l.setGeometry(left, top, width, kRowHeight);
}

// One class row: its caption, then count, size and limit in their columns.
void classRow(int top, platform::Label& caption, std::string_view text, platform::Label& files,
              std::string_view filesTip, platform::Label& size, platform::Label& limit,
              std::string_view limitValue) {
  caption.setCaption(text);
  caption.setGeometry(kCaptionLeft, top, kCaptionWidth, kRowHeight);

  files.setCaption("0");
  files.setToolTip(filesTip);
  files.setAlignment(platform::Alignment::Center);
  files.setBorder(true);
  files.setGeometry(kFilesLeft, top, kFilesWidth, kRowHeight);

  size.setCaption("0.000");
  size.setAlignment(platform::Alignment::Center);
  size.setBorder(true);
  size.setGeometry(kSizeLeft, top, kSizeWidth, kRowHeight);

  // Until the settings screen copies its limits here, the limits are the
  // settings' own built-in values.
  limit.setCaption(limitValue);
  limit.setToolTip("Delete older files when the total size exceeds this value");
  limit.setAlignment(platform::Alignment::Center);
  limit.setBorder(true);
  limit.setGeometry(kMaxLeft, top, kMaxWidth, kRowHeight);
}

void button(platform::CommandButton& b, std::string_view caption, std::string_view tip, int left, int top) {
  b.setCaption(caption);
  b.setToolTip(tip);
  b.setGeometry(left, top, 1440, kButtonHeight);
}

}  // namespace

Form6::Form6(platform::Scheduler& /*scheduler*/) : platform::Screen("Form6", "File Maintenance") {
  setSize(12000, 7320);

  ListView1.setGeometry(120, 120, 11760, 4800);
  ListView1.addColumn("FILENAME", 4800);
  ListView1.addColumn("TYPE", 1200);
  ListView1.addColumn("CREATED", 3000);
  ListView1.addColumn("SIZE", 2400, true);

  // Gigabyte rows first, then the megabyte rows under their own size heading.
  heading(Label1, "FILES", kFilesLeft, 5100, kFilesWidth);
  heading(Label2, "SIZE (Gig)", kSizeLeft, 5100, kSizeWidth);
  heading(Label3, "MAX", kMaxLeft, 5100, kMaxWidth);
  Label3.setToolTip("Max Size to store");
  classRow(5400, Label4, "EFIS", EFISFiles, "Number of *.DAT Files", EFISFileSize, SaveEFISCaptureFileSize,
           "1");
  classRow(5700, Label5, "RECORDER", TXTFiles, "Number of *.TXT Files", TXTFileSize, SaveExcelDataFileSize,
           "1");
  Label5.setToolTip("Recorder - Excel format");

  heading(Label6, "SIZE (Meg)", kSizeLeft, 6120, kSizeWidth);
  classRow(6420, Label7, "EMS", EMSFiles, "Number of *.DAT Files", EMSFileSize, SaveEMSCaptureFileSize, "10");
  classRow(6720, Label8, "GPS", GPSFiles, "Number of *.DAT Files", GPSFileSize, SaveGPSCaptureFileSize, "10");

  button(Command1, "REFRESH", "Delete the selected file", 5400, 5100);
  button(DeleteFileButton, "DELETE FILE", "Delete the selected file", 7080, 5100);
  button(PurgeFilesButton, "PURGE FILES", "This will purge all older files that go over the size limit", 8760,
         5100);
  button(ReturnButton, "RETURN", "SAVE the Configuration as default", 10440, 6480);
}

}  // namespace recorder
