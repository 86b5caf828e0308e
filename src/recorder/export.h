#pragma once
// Export to text: the playback file loaded for a device written as a
// tab-separated text file. Each record is taken from the device's own record
// list, decoded by the decoders that live data and playback use, and its row
// built from the values they leave, so a row holds the numbers, units and
// formats that the screens and the recorder show. EFIS and Dynon engine files
// give rows; a Grand Rapids or GPS export writes its header alone.
//
// The export runs on the event thread from the click to its end. It keeps the
// windows painted and CANCEL live: at pauses at most kPauseMs apart the screens
// repaint and a CANCEL click or a shut-down request is taken, either of which
// ends it before another row; timer ticks and serial data wait meanwhile and
// run once it has ended, so the rows are those of an export without pauses.

#include <cstdint>
#include <string>

#include "app/screen_id.h"
#include "platform/vb.h"

class App;

namespace platform {
class NewFileWriter;
}

namespace recorder {

class TextExport {
 public:
  explicit TextExport(App& app);
  void wire(ScreenId id);

  // The three CONVERT FILE buttons of the settings screen.
  void EFIS_ConvertFile_Click();
  void EMS_ConvertFile_Click();
  void GPS_ConvertFile_Click();
  // Proposes the output name, asks for it and writes the file.
  void SelectConvertFileName();
  // Writes the file to ConvertOutputPath.
  void ConvertRawDataFile();

  // The device the export now running belongs to: exactly one is set from a
  // click until the export ends (or stays set after a cancelled dialog).
  platform::VbBool ConvertEFISFile;
  platform::VbBool ConvertEMSFile;
  platform::VbBool ConvertGPSFile;
  // The loaded file (the tool tip of the device's file label) and the output.
  std::string ConvertSourcePath;
  std::string ConvertOutputPath;

  // The longest stretch of work between two pauses.
  static constexpr int kPauseMs = 25;

 private:
  enum class Device { EFIS, EMS, GPS };
  void click(Device device);
  // The data rows, up to the last record or a stop.
  void efisRows(platform::NewFileWriter& out);
  void dynonRows(platform::NewFileWriter& out);
  // Lets the windows repaint and takes CANCEL or a shut-down request when a
  // pause is due; true when the export is to stop.
  bool pauseStops();
  void endState();

  App& app_;
  std::int64_t lastPause_ = 0;
};

}  // namespace recorder
