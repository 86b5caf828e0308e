#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/serial.h"

namespace {

using platform::SerialChunker;

std::vector<std::string> feed(SerialChunker& c, const std::vector<std::string>& pieces) {
  std::vector<std::string> out;
  std::string chunk;
  for (const auto& p : pieces) {
    c.append(p);
    while (c.next(chunk)) out.push_back(chunk);
  }
  return out;
}

const std::string FEFEFE = "\xFE\xFE\xFE";
const std::string FEFFFE = "\xFE\xFF\xFE";

TEST(SerialChunker, CutsAfterEachDelimiterWhereverTheBytesAreSplit) {
  struct Case {
    std::string delimiter;
    std::vector<std::string> pieces;
    std::vector<std::string> chunks;
  };
  std::vector<Case> cases = {
      {"\r", {"ab\rcd", "\r"}, {"ab\r", "cd\r"}},
      {"\r", {"a\rb\rc\r"}, {"a\r", "b\r", "c\r"}},
      {"\r", {"a", "b", "\r", "\r"}, {"ab\r", "\r"}},
      {FEFEFE, {"\x01\x02\xFE", "\xFE", "\xFE\x03"}, {"\x01\x02" + FEFEFE}},
      {FEFFFE, {"\xFE\xFE\xFF\xFE\x10\xFE\xFF", "\xFE"}, {"\xFE" + FEFFFE, "\x10" + FEFFFE}},
      {FEFEFE, {"\xFE\xFE\xFE\xFE"}, {FEFEFE}},
  };
  for (const auto& c : cases) {
    SerialChunker ch;
    ch.setDelimiter(c.delimiter);
    EXPECT_EQ(feed(ch, c.pieces), c.chunks);
  }
}

TEST(SerialChunker, OneByteAtATimeGivesTheSameChunks) {
  std::string stream;
  for (int i = 0; i < 50; ++i) stream += "$GPGGA,1," + std::to_string(i) + "\r\n";
  std::vector<std::string> bytes;
  for (char b : stream) bytes.emplace_back(1, b);
  SerialChunker a, b;
  EXPECT_EQ(feed(a, bytes), feed(b, {stream}));
  EXPECT_EQ(feed(b, {}).size(), 0u);
}

TEST(SerialChunker, KeepsOnlyTheNewest64KiBWhileNoDelimiterArrives) {
  SerialChunker c;
  std::string run(70 * 1024, 'x');
  run[0] = 'a';
  EXPECT_TRUE(feed(c, {run}).empty());
  EXPECT_EQ(c.buffered(), SerialChunker::kMaxBuffer);
  auto out = feed(c, {"\r"});
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].size(), SerialChunker::kMaxBuffer);
  EXPECT_EQ(out[0].back(), '\r');
  EXPECT_EQ(out[0].find('a'), std::string::npos);
}

TEST(SerialChunker, ANewDelimiterAppliesToBytesAlreadyBuffered) {
  SerialChunker c;
  EXPECT_TRUE(feed(c, {"\x01\xFE\xFF\xFE\x02"}).empty());
  c.setDelimiter(FEFFFE);
  auto out = feed(c, {""});
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0], "\x01" + FEFFFE);
}

// The cap is on a run without delimiter only: complete chunks that arrive in
// the same read as more than 64 KiB are never dropped, and the chunk that ends
// a long run is its last 64 KiB whichever way the bytes were split.
TEST(SerialChunker, CapNeverDropsCompleteChunksAndCutsALongRunTheSameWayEveryTime) {
  std::string records;
  for (int i = 0; i < 1500; ++i) records += "R" + std::to_string(i) + std::string(50, '.') + "\r";
  ASSERT_GT(records.size(), SerialChunker::kMaxBuffer);
  {
    SerialChunker c;
    const auto out = feed(c, {"first\r" + records});
    ASSERT_EQ(out.size(), 1501u);
    EXPECT_EQ(out.front(), "first\r");
    EXPECT_EQ(out.back(), "R1499" + std::string(50, '.') + "\r");
  }
  std::string run(70 * 1024, 'x');
  for (std::size_t i = 0; i < run.size(); ++i) run[i] = static_cast<char>('a' + i % 26);
  const std::string after = "next\rlast\r";
  const std::string expected = (run + "next\r").substr(run.size() + 5 - SerialChunker::kMaxBuffer);
  const std::vector<std::vector<std::string>> splits = {
      {run + after},
      {run, after},
      {run.substr(0, 1000), run.substr(1000) + after},
      {run.substr(0, 69 * 1024), run.substr(69 * 1024) + "ne", "xt\rlast\r"},
  };
  for (const auto& pieces : splits) {
    SerialChunker c;
    const auto out = feed(c, pieces);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0], expected);
    EXPECT_EQ(out[1], "last\r");
  }
}

// The cap counts a run from where the last complete chunk ends, cutting as the
// chunks are cut, each from the end of the one before. With a delimiter that
// overlaps itself the last place the delimiter occurs can end later: FE FE FE
// FE is one header and the first byte of a run. Counting from there kept that
// byte in front of the cut, where it joined the newest bytes into a header
// that never arrived. Each row's bytes are appended without taking chunks in
// between, as one read brings them, then every chunk is taken.
TEST(SerialChunker, CapCountsARunFromTheEndOfTheLastCompleteChunk) {
  constexpr std::size_t kMax = SerialChunker::kMaxBuffer;
  struct Step {
    std::string delimiter;  // set before the bytes when not empty
    std::string bytes;
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    std::size_t held;  // bytes held after the steps, before any is taken
    std::vector<std::string> chunks;
  };
  const std::string x5000(5000, 'x');
  const std::vector<Case> cases = {
      // A header, the first byte of the next one, 5000 old bytes, then the
      // newest 64 KiB of the run beginning FE FE: no header at the cut.
      {"a Grand Rapids header and a long run in one read",
       {{FEFEFE, FEFEFE + "\xFE" + x5000 + "\xFE\xFE" + std::string(kMax - 2, 'y')}, {"", FEFEFE}},
       3 + kMax + 3,
       {FEFEFE, std::string(kMax - 3, 'y') + FEFEFE}},
      // 8193 zero bytes, 24576 CRs, then the delimiter 00 00 and 45056 bytes
      // 01: 4096 chunks 00 00 stay, and the run from the last zero on keeps
      // its newest 64 KiB.
      {"a run after a delimiter change",
       {{"\r", std::string(8193, '\0')},
        {"", std::string(24576, '\r')},
        {std::string(2, '\0'), std::string(45056, '\x01')}},
       8192 + kMax,
       std::vector<std::string>(4096, std::string(2, '\0'))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SerialChunker ch;
    for (const Step& step : c.steps) {
      if (!step.delimiter.empty()) ch.setDelimiter(step.delimiter);
      ch.append(step.bytes);
    }
    EXPECT_EQ(ch.buffered(), c.held);
    std::vector<std::string> out;
    for (std::string chunk; ch.next(chunk);) out.push_back(chunk);
    EXPECT_EQ(out.size(), c.chunks.size());
    EXPECT_TRUE(out == c.chunks);
  }
}

}  // namespace
