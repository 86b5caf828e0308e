// The real program, offscreen, recording continuously from simulated devices
// on pseudo-terminals with raw capture on. Everything is checked from the
// files it leaves: the record file's header, every record against the values
// the simulator sent (decoded by a headless replica of the program fed the
// same bytes), the link status fields, and the capture files byte for byte.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "e2e/e2e_support.h"
#include "platform/numbers.h"

namespace {

using namespace e2e;

const std::string kGPSTitles =
    "GPS COMM\tGPS TIME\tGPS MAG\tGPS TRUE\tGPS GND SPEED\tGPS ALTITUDE\tGPS LATITUDE\tGPS LONGITUDE\t"
    "GPS MODE\tGPS SATS USED\t";
const std::string kEFISTitles =
    "EFIS COMM\tEFIS TIME\tEFIS PITCH\tEFIS ROLL\tEFIS YAW\tEFIS AIRSPEED\tEFIS PRES ALT\tEFIS 2992 ALT\t"
    "EFIS TURN RATE\tEFIS CLIMB RATE\tEFIS LAT G's\tEFIS VERT G's\tEFIS AOA\t";
const std::string kDynonTitles =
    "EMS COMM\tEMS TIME\tRPM\tMANIFOLD PRES\tOIL TEMP\tOIL PRES \tVOLTS\tAMPS\tEGT 1\tEGT 2\tEGT 3\tEGT 4\t"
    "EGT 5\tEGT 6\tCHT 1\tCHT 2\tCHT 3\tCHT 4\tCHT 5\tCHT 6\tFUEL PRES\tFUEL FLOW\tQUANTITY 1\t"
    "QUANTITY 2\tFUEL REMAINING\tGP 1\tGP 2\tGP 3\tTHERMOCOUPLE\t";
const std::string kGrandRapidsTitles =
    "EMS COMM\tHEADER\tFLIGHT TIMER\tHOUR METER\tOIL TEMP\tOIL PRES\tCARB TEMP\tCOOLANT TEMP\tRPM1\tRPM2\t"
    "VOLTS\tEGT1\tEGT2\tEGT3\tEGT4\tEGT5\tEGT6\tCHT1\tCHT2\tCHT3\tCHT4\tCHT5\tCHT6\tFUEL\tFLOW\t"
    "TIME REMAIN\tAIRSPEED\tALTITUDE\tROC\tBARO\tOAT\tINT TEMP\tAUX1\tAUX2\tAUX3\tAUX4\tAUX5\tAUX6\t";
const std::string kGrandRapidsNote =
    "Grand Rapids Monitor - There is no unit conversion for the Grand Rapids Monitor. The units recorded "
    "here "
    "are the same units that are displayed on the Grand Rapids display";

// The link status of one device over the records from `from` on: BAD until
// the data has lowered the age, then OK to the end.
void expectBadThenOk(const std::vector<Fields>& records, std::size_t at, const char* device) {
  std::size_t r = 0;
  while (r < records.size() && records[r][at] == "BAD") ++r;
  ASSERT_LT(r, records.size()) << device << " never read OK";
  for (; r < records.size(); ++r) ASSERT_EQ(records[r][at], "OK") << device << " record " << r;
}

// Every record line: the common block, the record's width, the units. The
// lines that open the file (header, and the note before it) may open a later
// section again: start-up asks for a new section once its settings are
// applied, and the record clock may have ticked at a yield before that.
std::vector<Fields> recordsAfterHeader(const std::vector<std::string>& lines, std::size_t headerAt,
                                       const Layout& layout, const std::string& units) {
  std::vector<Fields> records;
  for (std::size_t i = headerAt + 1; i < lines.size(); ++i) {
    if (std::find(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(headerAt) + 1, lines[i]) !=
        lines.begin() + static_cast<std::ptrdiff_t>(headerAt) + 1)
      continue;
    Fields f = fieldsOf(lines[i]);
    EXPECT_EQ(f.size(), layout.width()) << "line " << i << ": " << lines[i];
    if (f.size() != layout.width()) continue;
    // COMPUTER TIME hhmm:ss
    EXPECT_EQ(f[0].size(), 7u) << f[0];
    EXPECT_EQ(f[0][4], ':') << f[0];
    EXPECT_EQ(f[1], units);
    records.push_back(std::move(f));
  }
  return records;
}

// GPS MAG within the GPS block (after its link status).
constexpr std::size_t kGPSMag = 1;

// The program shows a magnetic track only while $GPVTG sentences keep
// arriving: a record's GPS MAG is empty or the magnetic track of a $GPVTG
// sent by then.
void expectMagneticTracksSent(const std::vector<Fields>& records, std::size_t at, const Walk& w,
                              const std::vector<Fields>& states) {
  for (std::size_t k = 0; k < w.states.size(); ++k) {
    const std::string& mag = records[w.firstMatched + k][at + 1 + kGPSMag];
    if (mag.empty()) continue;
    bool sent = false;
    for (std::size_t s = 0; s <= w.latest[k] && !sent; ++s) sent = states[s][kGPSMag] == mag;
    EXPECT_TRUE(sent) << "record " << w.firstMatched + k << " shows GPS MAG " << mag;
  }
}

// Pitch, roll, yaw and AOA worked out from the record's own columns: the
// sign and whole degrees, a point and the tenths column; "-0" shows no sign.
Fields independentEfis(const std::string& record) {
  auto decimal = [](const std::string& whole, char tenths) {
    std::string digits = whole.substr(1);
    while (digits.size() > 1 && digits[0] == '0') digits.erase(0, 1);
    const bool negative = whole[0] == '-' && (digits != "0" || tenths != '0');
    return (negative ? "-" : "") + digits + "." + tenths;
  };
  std::string aoa = record.substr(39, 2);
  if (aoa[0] == '0') aoa.erase(0, 1);
  return {decimal(record.substr(8, 3), record[11]), decimal(record.substr(12, 4), record[16]),
          record.substr(17, 3), aoa};
}

// The text fields of a Dynon engine record, copied as they stand: time,
// RPM in tens, volts, amps and the first general-purpose input.
Fields independentDynon(const std::string& record) {
  return {record.substr(0, 4) + ":" + record.substr(4, 2) + "." + record.substr(6, 2),
          record.substr(27, 3) + "0", record.substr(21, 2) + "." + record.substr(23, 1), record.substr(24, 3),
          record.substr(43, 3) + " = " + record.substr(46, 5)};
}

// The two unit sets of the English engine units: knots or miles per hour,
// feet.
struct UnitCase {
  const char* element;  // the unit option's configuration element
  const char* word;     // UNITS in every record
  const char* name;
};

void PrintTo(const UnitCase& c, std::ostream* os) {
  *os << c.word;
}

class EnglishUnits : public testing::TestWithParam<UnitCase> {};

TEST_P(EnglishUnits, EfisNmeaGpsAndDynonRecordEverySentValueAndCaptureEveryByte) {
  const UnitCase u = GetParam();
  ProgramRun run;
  const Elements elements{
      {"EFIS_PORT_NAME", "COM11"},     {"GPS_PORT_NAME", "COM12"},      {"EMS_PORT_NAME", "COM13"},
      {"EFIS_COMM_CAPTURE", "1"},      {"GPS_COMM_CAPTURE", "1"},       {"EMS_COMM_CAPTURE", "1"},
      {"SHOW_RECORD_BUTTON", "False"}, {"RECORD_UNITS_KNOTS", "False"}, {u.element, "True"}};
  run.configure(elements);
  ASSERT_NO_FATAL_FAILURE(run.startSimulator({"efis:COM11", "gps:COM12:rate=2", "dynon:COM13"}, 3));
  ASSERT_NO_FATAL_FAILURE(run.startProgram());
  ASSERT_NO_FATAL_FAILURE(run.runToTheEnd());
  EXPECT_EQ(run.messages(), "");

  const Sent efis = run.sent("efis");
  const Sent gps = run.sent("gps");
  const Sent dynon = run.sent("dynon");
  ASSERT_GT(efis.pieces("record").size(), 100u);
  ASSERT_GT(dynon.pieces("record").size(), 30u);
  ASSERT_GT(gps.pieces("record").size(), 10u);

  // The capture files hold exactly what was sent.
  EXPECT_EQ(run.captureFile("EFIS"), efisCapture(efis.bytes));
  EXPECT_EQ(run.captureFile("GPS"), gps.bytes);
  EXPECT_EQ(run.captureFile("EMS"), dynon.bytes);

  const std::vector<std::string> lines = recordLines(run.recordFile());
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "COMPUTER TIME\tUNITS\t" + kGPSTitles + kEFISTitles + kDynonTitles);
  const Layout layout{true, true, 29};
  const std::vector<Fields> records = recordsAfterHeader(lines, 0, layout, u.word);
  ASSERT_FALSE(records.empty());

  Replica replica(elements);
  const std::vector<Fields> efisStates = replica.efis(efis.allPieces());
  const std::vector<Fields> gpsStates = replica.gps(gps.allPieces());
  ASSERT_EQ(efisStates.size(), efis.pieces("record").size());

  // EFIS: recording at the real-time interval writes a record for every EFIS
  // record, so every state sent is in the file, in order, and the last record
  // holds the last one sent.
  const Walk e = walk(records, layout.efisAt(), 12, efisStates);
  ASSERT_EQ(e.failure, "");
  EXPECT_EQ(std::set<std::size_t>(e.states.begin(), e.states.end()).size(), efisStates.size());
  EXPECT_EQ(e.states.back(), efisStates.size() - 1);
  for (std::size_t r = 0; r < e.firstMatched; ++r) EXPECT_EQ(records[r][layout.efisAt()], "BAD");
  expectBadThenOk(records, layout.efisAt(), "EFIS");
  // Pitch, roll, yaw and AOA of every record, worked out apart from the program.
  const std::vector<std::string> sentEfis = efis.pieces("record");
  for (std::size_t k = 0; k < e.states.size(); ++k) {
    const Fields& rec = records[e.firstMatched + k];
    const Fields mine = independentEfis(sentEfis[e.states[k]]);
    // Status, time, pitch, roll, yaw ... AOA last.
    EXPECT_EQ((Fields{rec[layout.efisAt() + 2], rec[layout.efisAt() + 3], rec[layout.efisAt() + 4],
                      rec[layout.efisAt() + 12]}),
              mine)
        << sentEfis[e.states[k]];
  }

  // GPS: every record holds the readouts of some sentence, in order, the last
  // record those of the last sentence.
  const Walk g = walk(records, layout.gpsAt(), 9, gpsStates, {kGPSMag});
  ASSERT_EQ(g.failure, "");
  EXPECT_EQ(g.latest.back(), gpsStates.size() - 1);
  expectMagneticTracksSent(records, layout.gpsAt(), g, gpsStates);
  expectBadThenOk(records, layout.gpsAt(), "GPS");

  // Dynon: every record holds an engine record sent, in order, the last
  // record the last one. (Records sample the engine values: two engine
  // records taken in one read have no record between them.)
  const std::vector<Fields> dynonStates = replica.dynon(dynon.allPieces());
  ASSERT_EQ(dynonStates.size(), dynon.pieces("record").size());
  const Walk d = walk(records, layout.engineAt(), 28, dynonStates);
  ASSERT_EQ(d.failure, "");
  EXPECT_EQ(d.states.back(), dynonStates.size() - 1);
  expectBadThenOk(records, layout.engineAt(), "EMS");
  const std::vector<std::string> sentDynon = dynon.pieces("record");
  for (std::size_t k = 0; k < d.states.size(); ++k) {
    const Fields& rec = records[d.firstMatched + k];
    const std::size_t at = layout.engineAt();
    EXPECT_EQ((Fields{rec[at + 1], rec[at + 2], rec[at + 6], rec[at + 7], rec[at + 25]}),
              independentDynon(sentDynon[d.states[k]]));
  }
}

INSTANTIATE_TEST_SUITE_P(RecordingEndToEnd, EnglishUnits,
                         testing::Values(UnitCase{"RECORD_UNITS_KNOTS", "KNOTS/FEET", "Knots"},
                                         UnitCase{"RECORD_UNITS_MILES", "MPH/FEET", "Miles"}),
                         [](const testing::TestParamInfo<UnitCase>& p) { return std::string(p.param.name); });

TEST(RecordingEndToEnd, GrandRapidsWithGarminGpsInKilometresRecordsEveryFrameAndCapturesNoFrame) {
  ProgramRun run;
  const Elements elements{
      {"EFIS_PORT_NAME", "COM21"},   {"GPS_PORT_NAME", "COM22"},      {"EMS_PORT_NAME", "COM23"},
      {"EFIS_COMM_CAPTURE", "1"},    {"GPS_COMM_CAPTURE", "1"},       {"EMS_COMM_CAPTURE", "1"},
      {"EMS_DYNON", "False"},        {"EMS_GRAND_RAPIDS", "True"},    {"GPS_FORMAT_NMEA", "False"},
      {"GPS_FORMAT_GARMIN", "True"}, {"SHOW_RECORD_BUTTON", "False"}, {"RECORD_UNITS_KNOTS", "False"},
      {"RECORD_UNITS_KPH", "True"}};
  run.configure(elements);
  // The frames start once the watchdog has chosen the FE FF FE header (its
  // first tick, 3 s after the main window loads and 1.5 s after the links
  // open), so every frame arrives whole.
  ASSERT_NO_FATAL_FAILURE(
      run.startSimulator({"efis:COM21:delay=1.5:duration=3.5", "gps:COM22:rate=4:delay=1.5:duration=3.5",
                          "gr4000:COM23:delay=2.5"},
                         2.5));
  ASSERT_NO_FATAL_FAILURE(run.startProgram());
  ASSERT_NO_FATAL_FAILURE(run.runToTheEnd());
  EXPECT_EQ(run.messages(), "");

  const Sent efis = run.sent("efis");
  const Sent gps = run.sent("gps");
  const Sent gr = run.sent("gr4000");
  ASSERT_GT(gr.pieces("record").size(), 8u);
  EXPECT_EQ(run.captureFile("EFIS"), efisCapture(efis.bytes));
  EXPECT_EQ(run.captureFile("GPS"), gps.bytes);
  // Grand Rapids frames are never captured.
  EXPECT_EQ(run.captureFile("EMS"), "");

  const std::vector<std::string> lines = recordLines(run.recordFile());
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], kGrandRapidsNote);
  EXPECT_EQ(lines[1], "COMPUTER TIME\tUNITS\t" + kGPSTitles + kEFISTitles + kGrandRapidsTitles);
  const Layout layout{true, true, 38};
  const std::vector<Fields> records = recordsAfterHeader(lines, 1, layout, "KPH/METERS");
  ASSERT_FALSE(records.empty());

  Replica replica(elements);
  const std::vector<Fields> frames = replica.grandRapids(gr.allPieces(), "\xFE\xFF\xFE");
  const Walk w = walk(records, layout.engineAt(), 37, frames);
  ASSERT_EQ(w.failure, "");
  // Every record holds a frame sent, in order, the last record the last
  // frame decoded. The last frame sent waits for the header of a next one,
  // so the last decoded is the one before it.
  EXPECT_EQ(frames.size(), gr.pieces("record").size());
  EXPECT_EQ(w.states.back(), frames.size() - 1);
  EXPECT_EQ(records.back()[layout.engineAt() + 1], "$FE  $FF  $FE");
  expectBadThenOk(records, layout.engineAt(), "EMS");

  const Walk e = walk(records, layout.efisAt(), 12, replica.efis(efis.allPieces()));
  ASSERT_EQ(e.failure, "");
  const std::vector<Fields> gpsStates = replica.gps(gps.allPieces());
  const Walk g = walk(records, layout.gpsAt(), 9, gpsStates, {kGPSMag});
  ASSERT_EQ(g.failure, "");
  expectMagneticTracksSent(records, layout.gpsAt(), g, gpsStates);
  expectBadThenOk(records, layout.efisAt(), "EFIS");
  expectBadThenOk(records, layout.gpsAt(), "GPS");
}

// Capture files as the program writes them: EFIS lines of 52 characters
// ending CR CR LF, Dynon lines of 119 ending CR LF. The time and the RPM move
// from line to line; oil temperature 212 F and manifold pressure 29.92 inHg
// stay.
std::string efisCaptureFile(int lines) {
  std::string out;
  for (int i = 0; i < lines; ++i) {
    const std::string sec = platform::formatNumber(10 + i / 20, "00");
    const std::string hundredths = platform::formatNumber(i % 20 * 5, "00");
    const std::string status = i % 2 ? "000001" : "000000";
    out += "1405" + sec + hundredths + "-053-0127" + platform::formatNumber(100 + i, "000") +
           "051401000-015-0201005" + status + "4A2C\r\r\n";
  }
  return out;
}
std::string dynonCaptureFile(int lines) {
  std::string out;
  for (int i = 0; i < lines; ++i) {
    const std::string time =
        "1230" + platform::formatNumber(10 + i / 16, "00") + platform::formatNumber(i % 16 * 6, "00");
    out += time + "2992212045045138-05" + platform::formatNumber(200 + i, "000") +
           "1250356180175GP1 12.5GP2100.0GP3  0.0"
           "0350136013801400140115001501380425426450451400ZZZZZZ\r\n";
  }
  return out;
}

TEST(RecordingEndToEnd, ReplayedCaptureFilesComeBackByteForByteAndDecodeInMetricUnits) {
  ProgramRun run;
  const std::string efisFile = efisCaptureFile(128);
  const std::string dynonFile = dynonCaptureFile(32);
  ASSERT_EQ(recordLines(efisFile).front().size(), 52u);  // the record and its CR
  ASSERT_EQ(recordLines(dynonFile).front().size(), 119u);
  testsupport::writeFile(run.path("efis.DAT"), efisFile);
  testsupport::writeFile(run.path("dynon.DAT"), dynonFile);
  const Elements elements{{"EFIS_PORT_NAME", "COM31"},     {"EMS_PORT_NAME", "COM33"},
                          {"EFIS_COMM_CAPTURE", "1"},      {"EMS_COMM_CAPTURE", "1"},
                          {"SHOW_RECORD_BUTTON", "False"}, {"RECORD_UNITS_KNOTS", "False"},
                          {"RECORD_UNITS_MPS", "True"}};
  run.configure(elements);
  ASSERT_NO_FATAL_FAILURE(run.startSimulator(
      {"efis:COM31:replay=" + run.path("efis.DAT"), "dynon:COM33:replay=" + run.path("dynon.DAT")}, 10));
  ASSERT_NO_FATAL_FAILURE(run.startProgram());
  ASSERT_NO_FATAL_FAILURE(run.runToTheEnd());
  EXPECT_EQ(run.messages(), "");

  // Played back into a port and captured again, the files come back as they were.
  EXPECT_EQ(run.captureFile("EFIS"), efisFile);
  EXPECT_EQ(run.captureFile("EMS"), dynonFile);

  const std::vector<std::string> lines = recordLines(run.recordFile());
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "COMPUTER TIME\tUNITS\t" + kEFISTitles + kDynonTitles);
  const Layout layout{false, true, 29};
  const std::vector<Fields> records = recordsAfterHeader(lines, 0, layout, "MPS/METERS");
  Replica replica(elements);
  const std::vector<Fields> efisStates = replica.efis(run.sent("efis").allPieces());
  ASSERT_EQ(efisStates.size(), 128u);
  const Walk e = walk(records, layout.efisAt(), 12, efisStates);
  ASSERT_EQ(e.failure, "");
  EXPECT_EQ(std::set<std::size_t>(e.states.begin(), e.states.end()).size(), efisStates.size());
  const Walk d = walk(records, layout.engineAt(), 28, replica.dynon(run.sent("dynon").allPieces()));
  ASSERT_EQ(d.failure, "");
  EXPECT_EQ(d.states.back(), 31u);
  for (std::size_t k = 0; k < d.states.size(); ++k) {
    const Fields& rec = records[d.firstMatched + k];
    // Metric: 29.92 inHg x 33.86388 = 1013.2 mb "0000"; (212 - 32) x 0.556 = 100.08 C "##0";
    // EGT 1 (1360 - 32) x 0.556 = 738.4 "###0"; RPM in tens, as it stands.
    EXPECT_EQ((Fields{rec[layout.engineAt() + 2], rec[layout.engineAt() + 3], rec[layout.engineAt() + 4],
                      rec[layout.engineAt() + 8]}),
              (Fields{platform::formatNumber(200 + d.states[k], "000") + "0", "1013", "100", "738"}));
  }
  // The EFIS airspeed stays in metres per second: columns 051 and 4.
  EXPECT_EQ(records.back()[layout.efisAt() + 5], "51.4");
}

}  // namespace
