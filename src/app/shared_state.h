#pragma once
// The program-wide state that the subsystems share: current lines, decoded
// EFIS values, data ages, health and navigation flags. Engine and GPS values
// live as captions of their screens' labels instead.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/screen_id.h"
#include "platform/vb.h"

using platform::VbBool;

// Index of a link in SourceDataAge.
enum LinkIndex : std::size_t { kGPS = 0, kEFIS = 1, kEMS = 2 };
// Index of a screen kind in StaleMarked.
enum StaleIndex : std::size_t { kStaleEFIS = 0, kStaleEMS = 1, kStaleGPS = 2 };
// Index of a GPS sentence kind in SentenceDataAge.
enum SentenceIndex : std::size_t {
  kPGRMF = 0,
  kPGRMH,
  kPGRMB,
  kPGRMM,
  kPGRMV,
  kPGRMZ,
  kPGRME,
  kGPGGA,
  kGPRMC,
  kGPVTG,
  kGPGSV,
  kGPBOD,
  kSentenceKinds
};

// Changes a data-age counter by delta without ever leaving the 16-bit range.
inline void changeAge(std::int16_t& counter, int delta) {
  int v = counter + delta;
  if (v > 32767) v = 32767;
  if (v < -32768) v = -32768;
  counter = static_cast<std::int16_t>(v);
}

struct SharedState {
  // Current records: bytes as received (one byte one character).
  std::string EFISLine;
  std::string GPSLine;
  std::string EMSLine;
  // The current Grand Rapids frame, header first; EMSBytesUBound is its last index.
  std::array<std::uint8_t, 301> EMSBytes{};
  std::int32_t EMSBytesUBound = -1;

  // EFIS values, written only by the EFIS decoder.
  float EFISPitch = 0;
  float EFISRoll = 0;
  std::int16_t EFISHeading = 0;
  float EFISAirspeed = 0;
  float EFISAltitude = 0;
  float EFISPressureAltitude = 0;
  float EFISVerticalSpeed = 0;
  float EFISTurnRate = 0;
  float EFISLateralG = 0;
  float EFISVerticalG = 0;
  std::int16_t EFISAOA = 0;
  std::int16_t EFISHour = 0;
  std::int16_t EFISMinute = 0;
  std::int16_t EFISSecond = 0;
  std::int16_t EFISSecondCount = 0;
  // Bit i of the record's status word in element i (0 to 23); 24 and 25 stay 0.
  std::array<VbBool, 26> EFISStatusBits{};

  // GPS texts and the date and time parts of the last fix (two digits, UTC).
  std::string GPSAltitudeText;
  std::string GPSSpeedText;
  std::string GPSTrackText;
  std::string GPSStatusText;
  std::string GPSMonth, GPSDay, GPSYear, GPSHour, GPSMinute, GPSSecond;
  VbBool GarminSource;
  VbBool NMEASource;

  // Recorder state.
  VbBool RecorderOn;
  // The first record of the program's life opens a file section with its
  // header, also one the record clock takes at a yield of the load sequence
  // before that sequence asks for a new file.
  VbBool NewFilePending = true;
  VbBool OneSecondSample;
  std::string UnitsWord = "MPS/METERS";
  // Set while start-up has not yet applied the configured recorder folder:
  // the record and capture writers gather what comes meanwhile and write
  // nothing, so nothing lands in a folder that was never chosen.
  bool RecorderFolderPending = false;

  // Data ages: 0 fresh .. 10 stale.
  std::array<std::int16_t, 3> SourceDataAge{};
  std::array<std::int16_t, kSentenceKinds> SentenceDataAge{};
  std::array<VbBool, 3> StaleMarked{};
  std::int16_t EFISParseError = 0;
  std::int16_t EMSParseError = 0;
  VbBool GRHeaderSeen;
  VbBool TerrainAlert;
  std::int16_t TrayTipCountdown = 0;

  // Navigation memories, one element per screen (indexed by ScreenId).
  std::array<VbBool, kScreenCount> CameFromForm{};
  std::array<VbBool, kScreenCount> FormWasVisible{};
  VbBool KeepInstrumentScreens;
  VbBool InstrumentScreenWasVisible;

  // Which half of LoadSaveFiles runs.
  VbBool LoadConfigRequest;
  VbBool SaveConfigRequest;

  // Raw port-data view.
  VbBool RawViewGPS;
  VbBool RawViewEFIS;
  VbBool RawViewEMS;
  VbBool RawViewFrozen;

  // File loaders and lists.
  std::string FileLine;
  std::int32_t LoadedRecordCount = 0;
  std::string DataFileExtension;
  std::string DataFileDrive;
  std::string DataFileFolder;
  std::string DataFileNameOnly;
  VbBool ConvertAbort;

  // Mode C: the Gillham code of each 100 ft step from -1,200 ft, and the
  // pressure altitude in hundreds of feet that feeds it.
  std::array<std::int16_t, 1301> ModeCTable{};
  std::int16_t ModeCAltitude = 0;

  // Engine colour limits: CHT high yellow, CHT high red, EGT high yellow, EGT
  // high red, CHT minimum, EGT minimum; and the EGT-to-CHT bar scale.
  std::array<std::int16_t, 6> EngineTempLimit{};
  float EGTToCHTScale = 0;
};
