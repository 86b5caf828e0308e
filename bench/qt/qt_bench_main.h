#pragma once
// The main program of the benchmarks that need the Qt views: offscreen unless
// QT_QPA_PLATFORM says otherwise, one application object, then the
// benchmarks given on the command line.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include <QApplication>

inline int runQtBenchmarks(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
