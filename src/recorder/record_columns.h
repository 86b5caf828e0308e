#pragma once
// The columns that the record file and the export share: the titles of the
// GPS, EFIS, Dynon and Grand Rapids blocks, the labels whose captions fill
// them, the EFIS fields as both write them, and the Grand Rapids notice.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/shared_state.h"
#include "platform/numbers.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "shell/form1.h"

namespace recorder::columns {

// Written before every header while a Grand Rapids 4000/6000 is the engine
// monitor: its values are recorded as that monitor shows them.
inline constexpr std::string_view kGrandRapidsNote =
    "Grand Rapids Monitor - There is no unit conversion for the Grand Rapids Monitor. The units "
    "recorded here are the same units that are displayed on the Grand Rapids display";

// A label copied unchanged into a record, with its column title.
template <class Screen>
struct LabelColumn {
  std::string_view title;
  platform::Label Screen::*label;
};

inline constexpr std::array<LabelColumn<shell::Form1>, 9> kGPSColumns{{
    {"GPS TIME", &shell::Form1::GPSTime},
    {"GPS MAG", &shell::Form1::GPSDataHeadingMag},
    {"GPS TRUE", &shell::Form1::GPSDataHeading},
    {"GPS GND SPEED", &shell::Form1::GPSDataAirspeed},
    {"GPS ALTITUDE", &shell::Form1::GPSDataAltitude},
    {"GPS LATITUDE", &shell::Form1::DataLatitude},
    {"GPS LONGITUDE", &shell::Form1::DataLongitude},
    {"GPS MODE", &shell::Form1::GPSFixMode},
    {"GPS SATS USED", &shell::Form1::GPSSatsUsed},
}};

inline constexpr std::array<std::string_view, 12> kEFISTitles{
    "EFIS TIME",     "EFIS PITCH",     "EFIS ROLL",       "EFIS YAW",     "EFIS AIRSPEED", "EFIS PRES ALT",
    "EFIS 2992 ALT", "EFIS TURN RATE", "EFIS CLIMB RATE", "EFIS LAT G's", "EFIS VERT G's", "EFIS AOA",
};

inline constexpr std::array<LabelColumn<screens::Form4>, 28> kDynonColumns{{
    {"EMS TIME", &screens::Form4::EMSTime},
    {"RPM", &screens::Form4::EMSRPM},
    {"MANIFOLD PRES", &screens::Form4::EMSManPres},
    {"OIL TEMP", &screens::Form4::EMSOilTemp},
    {"OIL PRES ", &screens::Form4::EMSOilPres},
    {"VOLTS", &screens::Form4::EMSVoltage},
    {"AMPS", &screens::Form4::EMSAmps},
    {"EGT 1", &screens::Form4::EMSEGT1},
    {"EGT 2", &screens::Form4::EMSEGT2},
    {"EGT 3", &screens::Form4::EMSEGT3},
    {"EGT 4", &screens::Form4::EMSEGT4},
    {"EGT 5", &screens::Form4::EMSEGT5},
    {"EGT 6", &screens::Form4::EMSEGT6},
    {"CHT 1", &screens::Form4::EMSCHT1},
    {"CHT 2", &screens::Form4::EMSCHT2},
    {"CHT 3", &screens::Form4::EMSCHT3},
    {"CHT 4", &screens::Form4::EMSCHT4},
    {"CHT 5", &screens::Form4::EMSCHT5},
    {"CHT 6", &screens::Form4::EMSCHT6},
    {"FUEL PRES", &screens::Form4::EMSFuelPressure},
    {"FUEL FLOW", &screens::Form4::EMSFuelFlow},
    {"QUANTITY 1", &screens::Form4::EMSQuantity1},
    {"QUANTITY 2", &screens::Form4::EMSQuantity2},
    {"FUEL REMAINING", &screens::Form4::EMSFuelRemaining},
    {"GP 1", &screens::Form4::EMSGP1},
    {"GP 2", &screens::Form4::EMSGP2},
    {"GP 3", &screens::Form4::EMSGP3},
    {"THERMOCOUPLE", &screens::Form4::EMSGPThermocouple},
}};

inline constexpr std::array<LabelColumn<screens::Form5>, 37> kGrandRapidsColumns{{
    {"HEADER", &screens::Form5::HeaderType},
    {"FLIGHT TIMER", &screens::Form5::GRTime},
    {"HOUR METER", &screens::Form5::GRHourMeter},
    {"OIL TEMP", &screens::Form5::GROilTemp},
    {"OIL PRES", &screens::Form5::GROilPres},
    {"CARB TEMP", &screens::Form5::GRCarbTemp},
    {"COOLANT TEMP", &screens::Form5::GRCoolantTemp},
    {"RPM1", &screens::Form5::GRRPM1},
    {"RPM2", &screens::Form5::GRRPM2},
    {"VOLTS", &screens::Form5::GRVoltage},
    {"EGT1", &screens::Form5::GREGT1},
    {"EGT2", &screens::Form5::GREGT2},
    {"EGT3", &screens::Form5::GREGT3},
    {"EGT4", &screens::Form5::GREGT4},
    {"EGT5", &screens::Form5::GREGT5},
    {"EGT6", &screens::Form5::GREGT6},
    {"CHT1", &screens::Form5::GRCHT1},
    {"CHT2", &screens::Form5::GRCHT2},
    {"CHT3", &screens::Form5::GRCHT3},
    {"CHT4", &screens::Form5::GRCHT4},
    {"CHT5", &screens::Form5::GRCHT5},
    {"CHT6", &screens::Form5::GRCHT6},
    {"FUEL", &screens::Form5::GRFuelQuantity},
    {"FLOW", &screens::Form5::GRFuelFlow},
    {"TIME REMAIN", &screens::Form5::GRTimeRemaining},
    {"AIRSPEED", &screens::Form5::GRAirspeed},
    {"ALTITUDE", &screens::Form5::GRAltitude},
    {"ROC", &screens::Form5::GRROC},
    {"BARO", &screens::Form5::GRBaroSetting},
    {"OAT", &screens::Form5::GROAT},
    {"INT TEMP", &screens::Form5::GRUnitTemperature},
    {"AUX1", &screens::Form5::GRAux1},
    {"AUX2", &screens::Form5::GRAux2},
    {"AUX3", &screens::Form5::GRAux3},
    {"AUX4", &screens::Form5::GRAux4},
    {"AUX5", &screens::Form5::GRAux5},
    {"AUX6", &screens::Form5::GRAux6},
}};

// One field of a line and its closing TAB (a TAB, CR or LF in it is a blank).
inline void field(std::string& line, std::string_view text) {
  platform::appendTabField(line, text);
}

template <class Screen, std::size_t N>
void titles(std::string& line, const std::array<LabelColumn<Screen>, N>& columns) {
  for (const auto& c : columns) field(line, c.title);
}

template <class Screen, std::size_t N>
void captions(std::string& line, Screen& screen, const std::array<LabelColumn<Screen>, N>& columns) {
  for (const auto& c : columns) field(line, (screen.*c.label).caption());
}

// The twelve EFIS fields from the decoded values: the record's time (hours
// and minutes, seconds, and its number within its second, so records of one
// second stay apart), pitch, roll, heading, airspeed, both altitudes, turn
// rate, climb rate, both G loads and angle of attack.
void appendEFISFields(std::string& line, const SharedState& a);

}  // namespace recorder::columns
