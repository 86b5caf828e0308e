#pragma once
// The file maintenance screen: the recorder folder's files in a sortable list,
// per class of file (EFIS, EMS and GPS capture files, record files) the file
// count and total size against the size limit kept, and the buttons that
// refresh the list, delete one file or purge each class down to its limit.

#include "platform/controls.h"
#include "platform/screen.h"

namespace platform {
class Scheduler;
}

namespace recorder {

class Form6 : public platform::Screen {
 public:
  explicit Form6(platform::Scheduler& scheduler);

  // Columns FILENAME, TYPE, CREATED, SIZE (sort keys 0 to 3).
  platform::ListView ListView1{this, "ListView1"};

  // Column headings of the size table; the size unit heading differs between
  // the gigabyte rows (EFIS, record files) and the megabyte rows (EMS, GPS).
  platform::Label Label1{this, "Label1"};  // FILES
  platform::Label Label2{this, "Label2"};  // SIZE (Gig)
  platform::Label Label3{this, "Label3"};  // MAX
  platform::Label Label6{this, "Label6"};  // SIZE (Meg)

  // Row captions.
  platform::Label Label4{this, "Label4"};  // EFIS
  platform::Label Label5{this, "Label5"};  // RECORDER
  platform::Label Label7{this, "Label7"};  // EMS
  platform::Label Label8{this, "Label8"};  // GPS

  // File counts per class.
  platform::Label EFISFiles{this, "EFISFiles"};
  platform::Label EMSFiles{this, "EMSFiles"};
  platform::Label GPSFiles{this, "GPSFiles"};
  platform::Label TXTFiles{this, "TXTFiles"};

  // Total sizes per class, in the unit of the row.
  platform::Label EFISFileSize{this, "EFISFileSize"};
  platform::Label EMSFileSize{this, "EMSFileSize"};
  platform::Label GPSFileSize{this, "GPSFileSize"};
  platform::Label TXTFileSize{this, "TXTFileSize"};

  // Size limits copied from the settings screen, in the unit of the row.
  platform::Label SaveEFISCaptureFileSize{this, "SaveEFISCaptureFileSize"};
  platform::Label SaveEMSCaptureFileSize{this, "SaveEMSCaptureFileSize"};
  platform::Label SaveGPSCaptureFileSize{this, "SaveGPSCaptureFileSize"};
  platform::Label SaveExcelDataFileSize{this, "SaveExcelDataFileSize"};

  platform::CommandButton Command1{this, "Command1"};  // REFRESH
  platform::CommandButton DeleteFileButton{this, "DeleteFileButton"};
  platform::CommandButton PurgeFilesButton{this, "PurgeFilesButton"};
  platform::CommandButton ReturnButton{this, "ReturnButton"};
};

}  // namespace recorder
