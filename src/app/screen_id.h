#pragma once
// The seventeen screens in their fixed visiting order: every navigation rule
// walks them in this order.

#include <array>
#include <cstddef>

enum class ScreenId : std::size_t {
  Form1,   // main window
  Form2,   // settings: ports, recorder, start screen, units
  Form3,   // raw port-data view
  Form4,   // Dynon engine data
  Form5,   // Grand Rapids engine data
  Form6,   // file manager
  form7,   // engine data-file list
  Form8,   // EFIS instruments
  Form9,   // GPS instruments
  Form10,  // Dynon engine gauges
  Form11,  // Grand Rapids engine gauges
  form12,  // combined instruments
  form13,  // instrument settings
  form15,  // EFIS data-file list
  form16,  // data-file list with slider
  form20,  // Garmin sentences
  form21,  // NMEA sentences
};

inline constexpr std::size_t kScreenCount = 17;

inline constexpr std::array<ScreenId, kScreenCount> kAllScreens{
    ScreenId::Form1,  ScreenId::Form2,  ScreenId::Form3,  ScreenId::Form4,  ScreenId::Form5,
    ScreenId::Form6,  ScreenId::form7,  ScreenId::Form8,  ScreenId::Form9,  ScreenId::Form10,
    ScreenId::Form11, ScreenId::form12, ScreenId::form13, ScreenId::form15, ScreenId::form16,
    ScreenId::form20, ScreenId::form21};

constexpr std::size_t idx(ScreenId id) {
  return static_cast<std::size_t>(id);
}

constexpr bool isInstrumentScreen(ScreenId id) {
  return id == ScreenId::Form8 || id == ScreenId::Form9 || id == ScreenId::Form10 || id == ScreenId::Form11 ||
         id == ScreenId::form12;
}

const char* screenName(ScreenId id);
