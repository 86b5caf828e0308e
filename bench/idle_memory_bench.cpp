// What this machine charges for touching memory that has lain idle: a copy of
// one 288×288 gauge picture (331 KB) into another, back to back, and after the
// process has slept for a display frame (20 ms) or for the stale marking's
// beat (1 s). On a real machine the three cost about the same. Some virtual
// machines charge tens or hundreds of times more for memory left alone a
// moment, and change how much from one hour to the next; every figure of
// bench/screen_load then carries that charge, main window included. The
// counter median_us is the median copy; bench/screen_load prints the 1 s case
// before each round.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t kPicture = std::size_t{288} * 288 * 4;

void BM_CopyAfterIdle(benchmark::State& state) {
  const auto idle = std::chrono::milliseconds(state.range(0));
  std::vector<char> from(kPicture, 1);
  std::vector<char> to(kPicture, 2);
  std::vector<double> us;
  for (auto _ : state) {
    if (idle.count() > 0) std::this_thread::sleep_for(idle);
    const auto start = std::chrono::steady_clock::now();
    std::memcpy(to.data(), from.data(), kPicture);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(took.count());
    us.push_back(took.count() * 1e6);
    from.swap(to);
  }
  std::sort(us.begin(), us.end());
  if (!us.empty()) {
    state.counters["median_us"] = us[us.size() / 2];
    state.counters["max_us"] = us.back();
  }
}

BENCHMARK(BM_CopyAfterIdle)->Arg(0)->Iterations(200)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyAfterIdle)->Arg(20)->Iterations(50)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyAfterIdle)->Arg(1000)->Iterations(9)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
