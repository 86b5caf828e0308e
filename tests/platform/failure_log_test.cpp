// Failures caught by event handlers, told one line each on a stream, at most
// one line a second per handler with a count of those held back.

#include "platform/failure_log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform {
namespace {

TEST(FailureLog, OneLineASecondPerHandlerWithTheCountOfTheOthers) {
  std::vector<std::string> lines;
  std::int64_t now = 5000;
  FailureLog log([&](std::string_view l) { lines.emplace_back(l); }, [&] { return now; });

  log.add("serial data", "bad record");
  log.add("serial data", "bad record");
  log.add("serial data", "bad record");
  // Another handler has its own second.
  log.add("DisplayUpdateTimer", "Disk full\r\nagain");
  now += 999;
  log.add("serial data", "bad record");
  now += 1;
  log.add("serial data", "last one");
  log.add("serial data", "held back");
  log.finish();
  log.finish();

  EXPECT_EQ(lines, (std::vector<std::string>{
                       "failure in serial data: bad record\n",
                       "failure in DisplayUpdateTimer: Disk full  again\n",
                       "failure in serial data: last one (3 more since the last line)\n",
                       "failure in serial data: 1 more not shown\n",
                   }));
}

}  // namespace
}  // namespace platform
