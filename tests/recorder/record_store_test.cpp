// The record store on its own: line ends that fall across the store's read
// buffer, lines longer than that buffer, and offsets beyond 4 GiB.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/files.h"
#include "recorder/record_store.h"
#include "support/record_reading.h"
#include "support/test_platform.h"

namespace {

using recorder::RecordStore;

// A random file of CRs, LFs, commas, quotes and text, every other one under
// the title row of a CSV file.
std::string randomFile(std::mt19937& random, int n, unsigned maxLength) {
  const std::string alphabet = "ab\r\n,\"";
  std::string bytes = n % 2 ? "t,\"EMS raw data\"\r\n" : "";
  const auto length = random() % maxLength;
  for (unsigned i = 0; i < length; ++i) bytes += alphabet[random() % alphabet.size()];
  return bytes;
}

// Random files of CRs, LFs, commas, quotes and text, read with read pieces of
// every small size, so that every line end and every field falls across a
// piece's edge somewhere.
TEST(RecordStore, LinesAndFieldsDoNotDependOnWhereTheReadPiecesEnd) {
  testsupport::TempDir dir;
  const std::string path = dir.file("random.dat");
  std::mt19937 random(7);
  for (int n = 0; n < 400; ++n) {
    const std::string bytes = randomFile(random, n, 48);
    testsupport::writeFile(path, bytes);
    const testsupport::StoreReading lines{testsupport::linesByTheRule(bytes), 0};
    const testsupport::StoreReading fields = testsupport::readStore(path, true, RecordStore::kReadBuffer);
    for (std::size_t buffer = 1; buffer <= 9; ++buffer) {
      ASSERT_EQ(testsupport::readStore(path, false, buffer), lines) << "buffer " << buffer << ", file " << n;
      ASSERT_EQ(testsupport::readStore(path, true, buffer), fields) << "buffer " << buffer << ", file " << n;
    }
    ASSERT_EQ(testsupport::readStore(path, false, RecordStore::kReadBuffer), lines) << "file " << n;
  }
}

// Reading in order a piece at a time gives every record as reading it alone
// does, wherever the pieces end, also once the file has been cut short.
TEST(RecordStore, ReadingInOrderGivesTheRecordsAsReadingEachAlone) {
  testsupport::TempDir dir;
  const std::string path = dir.file("random.dat");
  std::mt19937 random(11);
  for (int n = 0; n < 200; ++n) {
    const std::string bytes = randomFile(random, n, 64);
    testsupport::writeFile(path, bytes);
    RecordStore store;
    store.open(path);
    try {
      if (n % 2)
        store.readCsvColumn();
      else
        store.readLines();
    } catch (const platform::RunError&) {
      // A CSV field too short stops the reading: the records before it stay.
    }
    for (const bool cut : {false, true}) {
      if (cut) testsupport::writeFile(path, bytes.substr(0, bytes.size() / 2));
      for (std::size_t piece = 1; piece <= 9; ++piece) {
        RecordStore::Reader reader(store, piece);
        std::string got;
        for (std::int32_t i = -1; i <= store.count(); ++i) {
          reader.read(i, got);
          ASSERT_EQ(got, store.record(i))
              << "file " << n << ", piece " << piece << ", record " << i << (cut ? ", cut" : "");
        }
      }
    }
  }
}

// A file a little over twice the store's 2 MiB buffer, read once for every
// placement of the line ends against the buffer's edges.
TEST(RecordStore, LineEndsAcrossTheReadBufferSplitNoRecord) {
  testsupport::TempDir dir;
  const std::string text = "14050932-053-0127123051401000-015-02010050000004A2C";
  for (const std::string end : {"\r\r\n", "\r\n", "\r"}) {
    // A line ended CR CR LF keeps one CR.
    const std::string kept = end == "\r\r\n" ? "\r" : "";
    for (std::size_t shift = 0; shift < 4; ++shift) {
      SCOPED_TRACE(std::to_string(end.size()) + " byte end, shift " + std::to_string(shift));
      std::string bytes = std::string(shift, 'x') + end;
      const std::size_t lines = (std::size_t{5} << 20) / (text.size() + end.size());
      for (std::size_t i = 0; i < lines; ++i) bytes += text + end;
      const std::string path = dir.file("capture.dat");
      testsupport::writeFile(path, bytes);

      RecordStore store;
      store.open(path);
      store.readLines();
      ASSERT_EQ(store.count(), static_cast<std::int32_t>(lines + 1));
      EXPECT_EQ(store.record(0), std::string(shift, 'x') + kept);
      // Every line that ends near an edge of the buffer, and the last.
      const std::size_t first = shift + end.size(), step = text.size() + end.size();
      for (std::size_t edge = std::size_t{2} << 20; edge < bytes.size(); edge += std::size_t{2} << 20) {
        const std::size_t line = (edge - first) / step;
        for (std::size_t i = line > 0 ? line - 1 : 0; i <= line + 1 && i < lines; ++i)
          ASSERT_EQ(store.record(static_cast<std::int32_t>(i + 1)), text + kept) << "line " << i;
      }
      EXPECT_EQ(store.record(store.count() - 1), text + kept);
      EXPECT_EQ(store.longestEntry(), text.size() + kept.size());
    }
  }
}

TEST(RecordStore, CsvRowsLongerThanTheReadBuffer) {
  testsupport::TempDir dir;
  const std::string path = dir.file("long.csv");
  const std::string filler(3 << 20, 'f');
  testsupport::writeFile(path, filler + ",\"EMS raw data\"\r\n" + filler + ",\"AB0123456789\"," + filler +
                                   "\r\n" + "x,\"ABshort\",y\r\n");
  RecordStore store;
  store.open(path);
  store.readCsvColumn();
  ASSERT_EQ(store.count(), 2);
  EXPECT_EQ(store.record(0), "0123456789");
  EXPECT_EQ(store.record(1), "short");
  EXPECT_EQ(store.record(2), "");
  EXPECT_EQ(store.record(-1), "");
}

TEST(RecordStore, ClearingLetsGoOfTheRecords) {
  testsupport::TempDir dir;
  const std::string path = dir.file("a.dat");
  testsupport::writeFile(path, "a\r\nbb\r\n");
  RecordStore store;
  store.open(path);
  store.readLines();
  ASSERT_EQ(store.count(), 2);
  store.clear();
  EXPECT_EQ(store.count(), 0);
  EXPECT_EQ(store.longestEntry(), 0u);
  EXPECT_EQ(store.record(0), "");
  EXPECT_THROW(store.open(dir.file("missing.dat")), platform::FileError);
  EXPECT_EQ(store.count(), 0);
}

TEST(OffsetTable, HoldsOffsetsBeyondFourGibWhenWide) {
  recorder::OffsetTable narrow, wide;
  narrow.reset(false);
  wide.reset(true);
  const std::uint64_t big = (std::uint64_t{5} << 32) + 7;
  for (std::uint64_t i = 0; i < 70000; ++i) {
    narrow.push(i * 54);
    wide.push(big + i);
  }
  ASSERT_EQ(wide.size(), 70000u);
  EXPECT_EQ(narrow[69999], 69999u * 54);
  EXPECT_EQ(wide[0], big);
  EXPECT_EQ(wide[69999], big + 69999);
  EXPECT_EQ(wide[65536], big + 65536);
}

}  // namespace
