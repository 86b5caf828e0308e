// The real program under faults while it records: an adapter pulled out and
// its COM link coming back, garbage, over-long lines and a long run without
// delimiter on every port, and a recorder folder that turns read-only. It
// never crashes, keeps recording what still arrives and loses no record it
// had written.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "e2e/e2e_support.h"

namespace {

using namespace e2e;

// The status of a device from the first record that reads OK: OK while its
// data flowed, then BAD to the end once it stopped.
void expectOkThenBadToTheEnd(const std::vector<Fields>& records, std::size_t at, const char* device) {
  std::size_t r = 0;
  while (r < records.size() && records[r][at] != "OK") ++r;
  ASSERT_LT(r, records.size()) << device << " never read OK";
  while (r < records.size() && records[r][at] == "OK") ++r;
  ASSERT_LT(r, records.size()) << device << " never read BAD";
  for (; r < records.size(); ++r) ASSERT_EQ(records[r][at], "BAD") << device << " record " << r;
}

std::vector<Fields> recordsOf(const std::string& file, const Layout& layout) {
  std::vector<Fields> records;
  const std::vector<std::string> lines = recordLines(file);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // Header lines and the Grand Rapids note are no records.
    if (lines[i].starts_with("COMPUTER TIME\t") || lines[i].starts_with("Grand Rapids Monitor")) continue;
    Fields f = fieldsOf(lines[i]);
    EXPECT_EQ(f.size(), layout.width()) << "line " << i << ": " << lines[i].substr(0, 200);
    if (f.size() == layout.width()) records.push_back(std::move(f));
  }
  return records;
}

const Elements kThreeDevices{{"EFIS_PORT_NAME", "COM41"},     {"GPS_PORT_NAME", "COM42"},
                             {"EMS_PORT_NAME", "COM43"},      {"EFIS_COMM_CAPTURE", "1"},
                             {"GPS_COMM_CAPTURE", "1"},       {"EMS_COMM_CAPTURE", "1"},
                             {"SHOW_RECORD_BUTTON", "False"}, {"RECORD_UNITS_KNOTS", "True"}};
const Layout kThreeBlocks{true, true, 29};

TEST(FaultsEndToEnd, UnpluggedEfisStaysClosedWhenItsLinkComesBackWhileTheOthersKeepRecording) {
  ProgramRun run;
  run.configure(kThreeDevices);
  ASSERT_NO_FATAL_FAILURE(
      run.startSimulator({"efis:COM41:unplug@1.2:replug@2", "gps:COM42:rate=2", "dynon:COM43"}, 4));
  ASSERT_NO_FATAL_FAILURE(run.startProgram());
  ASSERT_NO_FATAL_FAILURE(run.runToTheEnd());
  // An adapter going away shows no message.
  EXPECT_EQ(run.messages(), "");

  const Sent efis = run.sent("efis");
  const SentEvent* unplug = efis.first("unplug");
  const SentEvent* replug = efis.first("replug");
  ASSERT_TRUE(unplug && replug);
  ASSERT_GT(efis.bytes.size(), unplug->offset) << "nothing was sent after the link came back";
  const std::string beforeUnplug = efis.bytes.substr(0, unplug->offset);
  std::vector<std::string> piecesBefore;
  for (const SentEvent& e : efis.events)
    if (e.kind == "record" && e.offset + e.length <= unplug->offset)
      piecesBefore.push_back(efis.bytes.substr(e.offset, e.length));

  // What came after the link came back never reached the program.
  EXPECT_EQ(run.captureFile("EFIS"), efisCapture(beforeUnplug));
  const Sent gps = run.sent("gps");
  const Sent dynon = run.sent("dynon");
  EXPECT_EQ(run.captureFile("GPS"), gps.bytes);
  EXPECT_EQ(run.captureFile("EMS"), dynon.bytes);

  const std::vector<Fields> records = recordsOf(run.recordFile(), kThreeBlocks);
  ASSERT_FALSE(records.empty());
  Replica replica(kThreeDevices);
  const std::vector<Fields> efisStates = replica.efis(piecesBefore);
  const Walk e = walk(records, kThreeBlocks.efisAt(), 12, efisStates);
  ASSERT_EQ(e.failure, "");
  // Every EFIS record up to the unplugging is in the file; the EFIS values
  // then stand still and the link reads BAD once they are stale.
  EXPECT_EQ(std::set<std::size_t>(e.states.begin(), e.states.end()).size(), efisStates.size());
  EXPECT_EQ(e.states.back(), efisStates.size() - 1);
  expectOkThenBadToTheEnd(records, kThreeBlocks.efisAt(), "EFIS");

  // The other devices went on being recorded to the end, fresh.
  const std::vector<Fields> dynonStates = replica.dynon(dynon.allPieces());
  const Walk d = walk(records, kThreeBlocks.engineAt(), 28, dynonStates);
  ASSERT_EQ(d.failure, "");
  EXPECT_EQ(d.states.back(), dynonStates.size() - 1);
  EXPECT_EQ(records.back()[kThreeBlocks.engineAt()], "OK");
  const Walk g = walk(records, kThreeBlocks.gpsAt(), 9, replica.gps(gps.allPieces()), {1});
  ASSERT_EQ(g.failure, "");
  EXPECT_EQ(records.back()[kThreeBlocks.gpsAt()], "OK");
  // Records kept coming on the record clock after the EFIS went, with the
  // engine values moving on in them.
  std::size_t after = records.size() - 1;
  while (after > 0 && block(records[after], kThreeBlocks.efisAt() + 1, 12) ==
                          block(records.back(), kThreeBlocks.efisAt() + 1, 12))
    --after;
  ASSERT_GE(after, d.firstMatched);
  const std::set<std::size_t> engineStatesAfter(
      d.states.begin() + static_cast<std::ptrdiff_t>(after - d.firstMatched), d.states.end());
  EXPECT_GT(engineStatesAfter.size(), 2u);
}

TEST(FaultsEndToEnd, GarbageOverlongLinesAndLongRunsOnEveryPortNeitherStopTheProgramNorSpoilItsRecords) {
  ProgramRun run;
  run.configure(kThreeDevices);
  // Unpaced lines, so the long runs arrive at once.
  const std::string faults =
      ":baud=0:garbage@0.4=300:long@0.8=5000:burst@1.2=70000:truncated@1.6:garbage@2=2000";
  ASSERT_NO_FATAL_FAILURE(
      run.startSimulator({"efis:COM41" + faults, "gps:COM42:rate=4" + faults, "dynon:COM43" + faults}, 3));
  ASSERT_NO_FATAL_FAILURE(run.startProgram());
  ASSERT_NO_FATAL_FAILURE(run.runToTheEnd());
  // Bad input records are not reported by message.
  EXPECT_EQ(run.messages(), "");

  const Sent efis = run.sent("efis");
  const Sent gps = run.sent("gps");
  const Sent dynon = run.sent("dynon");
  for (const Sent* s : {&efis, &gps, &dynon}) ASSERT_TRUE(s->first("burst") && s->first("garbage"));

  // The program took the same chunks as a replica fed the same bytes: the
  // same capture files and, record by record, the same values.
  Replica replica(kThreeDevices);
  const std::vector<Fields> efisStates = replica.efis(efis.allPieces());
  const std::vector<Fields> gpsStates = replica.gps(gps.allPieces());
  const std::vector<Fields> dynonStates = replica.dynon(dynon.allPieces());
  EXPECT_EQ(run.captureFile("EFIS"), replica.captureFile("EFIS"));
  EXPECT_EQ(run.captureFile("GPS"), replica.captureFile("GPS"));
  EXPECT_EQ(run.captureFile("EMS"), replica.captureFile("EMS"));

  const std::vector<Fields> records = recordsOf(run.recordFile(), kThreeBlocks);
  ASSERT_FALSE(records.empty());
  const Walk e = walk(records, kThreeBlocks.efisAt(), 12, efisStates);
  ASSERT_EQ(e.failure, "");
  EXPECT_EQ(e.states.back(), efisStates.size() - 1);
  const Walk g = walk(records, kThreeBlocks.gpsAt(), 9, gpsStates, {1});
  ASSERT_EQ(g.failure, "");
  EXPECT_EQ(g.latest.back(), gpsStates.size() - 1);
  const Walk d = walk(records, kThreeBlocks.engineAt(), 28, dynonStates);
  ASSERT_EQ(d.failure, "");
  EXPECT_EQ(d.states.back(), dynonStates.size() - 1);
  // Good records after the faults bring every link back to OK.
  for (std::size_t at : {kThreeBlocks.gpsAt(), kThreeBlocks.efisAt(), kThreeBlocks.engineAt()})
    EXPECT_EQ(records.back()[at], "OK") << "field " << at;
}

TEST(FaultsEndToEnd, GrandRapidsLinkDropsOversizedChunksAndDecodesEveryWholeFrameAfterGarbage) {
  ProgramRun run;
  const Elements elements{{"GPS_PORT_NAME", "COM52"},      {"EMS_PORT_NAME", "COM53"},
                          {"EMS_DYNON", "False"},          {"EMS_GRAND_RAPIDS", "True"},
                          {"SHOW_RECORD_BUTTON", "False"}, {"RECORD_UNITS_KNOTS", "True"}};
  run.configure(elements);
  // The frames start once the watchdog has chosen the FE FF FE header. A
  // frame body of 600 bytes and a run of 70000 bytes without a header are
  // chunks no frame buffer holds; a cut frame and garbage are decoded as
  // they come.
  ASSERT_NO_FATAL_FAILURE(run.startSimulator(
      {"gps:COM52:rate=4:delay=2.5",
       "gr4000:COM53:delay=2.5:baud=0:garbage@0.6=500:long@1=600:truncated@1.4:burst@1.8=70000"},
      3));
  ASSERT_NO_FATAL_FAILURE(run.startProgram());
  ASSERT_NO_FATAL_FAILURE(run.runToTheEnd());
  EXPECT_EQ(run.messages(), "");

  const Sent gr = run.sent("gr4000");
  ASSERT_TRUE(gr.first("burst") && gr.first("long") && gr.first("truncated"));
  Replica replica(elements);
  const std::vector<Fields> frames = replica.grandRapids(gr.allPieces(), "\xFE\xFF\xFE");
  // Every header ends a chunk: one a frame sent, the garbage and the long
  // run none. The chunks that hold the garbage, the 600 bytes and the long
  // run are too long for a frame and leave the values as they were: had the
  // program decoded one, its records would hold values of no state.
  EXPECT_EQ(frames.size(), gr.allPieces().size() - 2);

  const Layout layout{true, false, 38};
  const std::vector<Fields> records = recordsOf(run.recordFile(), layout);
  ASSERT_FALSE(records.empty());
  const Walk w = walk(records, layout.engineAt(), 37, frames);
  ASSERT_EQ(w.failure, "");
  EXPECT_EQ(w.states.back(), frames.size() - 1);
  EXPECT_EQ(records.back()[layout.engineAt()], "OK");
  EXPECT_EQ(records.back()[layout.engineAt() + 1], "$FE  $FF  $FE");
}

// Makes a folder and the files in it unwritable, even for root, and writable
// again on request or at the end: the immutable attribute where the file
// system has it, else the folder is moved aside and a file put in its place.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(std::string folder) : folder_(std::move(folder)) {}
  ~ReadOnlyFolder() { release(); }

  void lock() {
    std::vector<std::string> paths{folder_};
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) paths.push_back(entry.path());
    immutable_ = true;
    for (const std::string& p : paths) immutable_ = immutable_ && chattr("+i", p);
    if (immutable_) return;
    for (const std::string& p : paths) chattr("-i", p);
    std::filesystem::rename(folder_, folder_ + ".aside");
    testsupport::writeFile(folder_, "not a folder");
    moved_ = true;
  }
  void release() {
    if (immutable_) {
      chattr("-i", folder_);
      for (const auto& entry : std::filesystem::directory_iterator(folder_)) chattr("-i", entry.path());
      immutable_ = false;
    }
    if (moved_) {
      std::filesystem::remove(folder_);
      std::filesystem::rename(folder_ + ".aside", folder_);
      moved_ = false;
    }
  }
  bool immutable() const { return immutable_; }

 private:
  static bool chattr(const char* change, const std::string& path) {
    const std::string command = std::string("chattr ") + change + " '" + path + "' 2>/dev/null";
    return std::system(command.c_str()) == 0;
  }
  std::string folder_;
  bool immutable_ = false;
  bool moved_ = false;
};

// The folder turns read-only once records are in it, about 1 s into the
// stream; it takes files again 1.5 s later, or stays read-only until the
// program has ended.
class ReadOnlyRecorderFolder : public testing::TestWithParam<bool> {};

TEST_P(ReadOnlyRecorderFolder, ShowsTheMessageGoesOnAndLosesNoRecordWrittenBefore) {
  const bool comesBack = GetParam();
  ProgramRun run;
  run.configure(kThreeDevices);
  ASSERT_NO_FATAL_FAILURE(run.startSimulator({"efis:COM41", "gps:COM42:rate=2", "dynon:COM43"}, 4));
  ASSERT_NO_FATAL_FAILURE(run.startProgram());
  ASSERT_TRUE(run.waitSimulator("stream efis", 30s)) << testsupport::readFile(run.path("simulator.txt"));
  // The header and records under it.
  ASSERT_TRUE(run.waitForRecordLines(2)) << "the program wrote no records\n" << run.programOutput();

  ReadOnlyFolder folder(run.recorderFolder());
  const std::string writtenBefore = run.recordFile();
  ASSERT_FALSE(writtenBefore.empty());
  folder.lock();
  // The folder stays read-only for 1.5 s of the stream.
  std::this_thread::sleep_for(1500ms);
  // The program shows the failure and goes on.
  EXPECT_TRUE(waitFor([&] { return run.messages().find("\n") != std::string::npos; }, 30s))
      << "no message for the failed writes";
  ASSERT_TRUE(run.programRunning()) << run.programOutput();
  const std::string whileLocked = run.recordFile();
  if (comesBack) folder.release();

  // The shut-down's last writes fail too when the folder is still locked;
  // the program ends all the same.
  ASSERT_NO_FATAL_FAILURE(run.runToTheEnd());
  folder.release();

  // Nothing written before was lost or changed.
  const std::string after = run.recordFile();
  EXPECT_EQ(after.substr(0, writtenBefore.size()), writtenBefore);
  if (folder.immutable()) {
    EXPECT_EQ(whileLocked, writtenBefore);
    if (!comesBack) {
      EXPECT_EQ(after, writtenBefore);
    }
    EXPECT_NE(run.messages().find("Permission denied"), std::string::npos) << run.messages();
  }

  // Every record in the file holds EFIS values sent, in order. Once the
  // folder took files again, the recorder wrote what it had held: every
  // EFIS record is in the file.
  const Sent efis = run.sent("efis");
  Replica replica(kThreeDevices);
  const std::vector<Fields> efisStates = replica.efis(efis.allPieces());
  const std::vector<Fields> records = recordsOf(after, kThreeBlocks);
  const Walk e = walk(records, kThreeBlocks.efisAt(), 12, efisStates);
  ASSERT_EQ(e.failure, "");
  if (comesBack) {
    EXPECT_EQ(std::set<std::size_t>(e.states.begin(), e.states.end()).size(), efisStates.size());
  }
}

INSTANTIATE_TEST_SUITE_P(FaultsEndToEnd, ReadOnlyRecorderFolder, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& p) {
                           return std::string(p.param ? "TakesFilesAgain" : "StaysReadOnly");
                         });

}  // namespace
