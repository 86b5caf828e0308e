#pragma once
// Recorder and playback: record scheduling and the record file, playback of
// loaded files, the loaders, the export and the recorder-folder manager.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "app/screen_id.h"
#include "platform/files.h"
#include "platform/services.h"

class App;

namespace recorder {

class DataFileLoaders;
class FolderManager;
class Playback;
class RecordLists;
class TextExport;

// The message a failed record-file write shows: the shared file-error text for
// the numbers of the table (52 and 53 on a line of their own), otherwise the
// operation's heading followed by the number.
std::string recordFileErrorMessage(int number, std::string_view heading);

class Recorder {
 public:
  explicit Recorder(App& app);
  ~Recorder();
  void wire(ScreenId id);

  // The record step shared by the record clock and the EFIS decoder's
  // real-time step: a new file section first when one is due, then a record.
  void RecordStep();
  void StartNewFile();
  void WriteRecord();
  void DisplayUpdateTimer_Timer();
  void ToggleRecorderOnOff();
  void RecorderStartStopButton_Click();
  // F1 and F8 on the main window.
  void Form_KeyDown(int keyCode, int shift);
  // Writes every buffered record (recorder stopped, new day, shut-down).
  void flush();

  // Playback steps of the EFIS and engine players.
  void UpdateEFISRecordedData();
  void UpdateEMSRecordedData();
  // The record lists with their stores, the playback file loaders and the
  // two players.
  RecordLists& lists() { return *lists_; }
  DataFileLoaders& loaders() { return *loaders_; }
  Playback& playback() { return *playback_; }
  // Export to text and the recorder folder's file manager.
  TextExport& exporter() { return *export_; }
  FolderManager& folderManager() { return *folders_; }
  // Lists the recorder folder in the file manager.
  void populatedirectory();
  // The units word of the unit options: "MPS/METERS", "KPH/METERS",
  // "KNOTS/FEET" or "MPH/FEET".
  std::string unitsWord();

  // The day's record file: the tool tip of the main window's record-file
  // label, or, until the supervisor has written it, the folder caption
  // joined with "TBRC_" + mmddyy + ".TXT" of the PC clock.
  std::string recordFilePath() const;

 private:
  // A write that failed: its error number and the heading its message uses.
  struct Failure {
    int number = 0;
    std::string_view heading;
  };

  std::string headerLine();
  // The Grand Rapids note where it applies, and the header line.
  std::string sectionHeading();
  std::string recordLine();
  bool bufferedInterval();
  // Makes the day's record file the file the buffer gathers for; lines still
  // held for another file (the previous day's, or an old folder) are written
  // there first, so none lands in the new file. Does nothing while start-up
  // has not yet applied the configured recorder folder.
  void retarget(Failure& failure);
  // Appends the buffer to its file and empties it; throws FileError, keeping
  // every line that is not in the file.
  void writeBuffer();
  // After a failed write: the held lines wait for the next write unless
  // they have grown past what the recorder keeps in memory.
  void keepAfterFailure();
  void report(const Failure& failure);

  App& app_;
  std::unique_ptr<RecordLists> lists_;
  std::unique_ptr<DataFileLoaders> loaders_;
  std::unique_ptr<Playback> playback_;
  std::unique_ptr<TextExport> export_;
  std::unique_ptr<FolderManager> folders_;

  // Lines not yet written (records, and a header whose write failed), each
  // ended CR LF, and the file they belong to (none yet while start-up has
  // not applied the recorder folder).
  platform::PendingLines RecordBuffer;
  std::string bufferPath_;
  // The record file the last write went to.
  std::string writtenPath_;
  // Records gathered since the last write in the buffered intervals, 0 to 60.
  std::int16_t BufferedRecordCount = 0;
  // Set from a failed write until the next write succeeds: one message tells
  // of a stretch of failures, however many records it costs.
  bool failing_ = false;
  platform::OneBoxAtATime fileErrorBox_;
};

}  // namespace recorder
