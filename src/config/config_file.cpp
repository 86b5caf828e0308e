#include "config/config_file.h"

#include "app/app.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "shell/form1.h"

namespace config {

namespace {

using platform::ControlArray;
using settings::form13;
using settings::Form2;
using shell::Form1;

constexpr std::string_view kLineEnd = "\r\n";

template <class S>
S& screenOf(App& a);
template <>
Form1& screenOf<Form1>(App& a) {
  return a.form1();
}
template <>
Form2& screenOf<Form2>(App& a) {
  return a.form2();
}
template <>
form13& screenOf<form13>(App& a) {
  return a.form13();
}

// A way to the control an element belongs to: a member of a screen, or one
// element of a control array of a screen.
template <class S, class C>
auto at(C S::*member) {
  return [member](App& a) -> C& { return screenOf<S>(a).*member; };
}
template <class S, class C>
auto at(ControlArray<C> S::*array, int index) {
  return [array, index](App& a) -> C& { return (screenOf<S>(a).*array)[index]; };
}

// Text of a text box or combo box, written and read back exactly.
template <class Ref>
Element text(std::string_view name, Ref ref) {
  return {name, [ref](App& a) { return std::string(ref(a).text()); },
          [ref](App& a, std::string_view v) { ref(a).setText(v); }};
}

// "True" / "False" of an option button. Reading back "True" selects it (which
// clears the rest of its group); "False" clears only this one.
template <class Ref>
Element option(std::string_view name, Ref ref) {
  return {name, [ref](App& a) { return std::string(ref(a).value() ? "True" : "False"); },
          [ref](App& a, std::string_view v) {
            const bool on = optionValue(v);
            ref(a).setValue(on);
          }};
}

// State of a check box as a decimal number: 0, 1 or 2.
template <class Ref>
Element check(std::string_view name, Ref ref) {
  return {name, [ref](App& a) { return platform::numberText(ref(a).value()); },
          [ref](App& a, std::string_view v) {
            const int state = checkValue(v);
            ref(a).setValue(state);
          }};
}

// The full path of a playback file, kept in the tool tip of its label;
// written for the record, never read back.
template <class Ref>
Element toolTip(std::string_view name, Ref ref) {
  return {name, [ref](App& a) { return std::string(ref(a).toolTip()); }, {}};
}

// Written but never read back: a loaded configuration never chooses playback
// from a file.
Element writtenOnly(Element e) {
  e.restore = {};
  return e;
}

// A refresh rate: written as the main window's rate caption, read back by
// selecting the option of that rate; a text that names no rate changes
// nothing.
template <class CaptionRef, class ArrayRef>
Element rate(std::string_view name, CaptionRef caption, ArrayRef options) {
  return {name, [caption](App& a) { return std::string(caption(a).caption()); },
          [options](App& a, std::string_view v) {
            for (std::size_t i = 0; i < kRateCaptions.size(); ++i) {
              if (v == kRateCaptions[i]) {
                options(a)[static_cast<int>(i)].setValue(true);
                return;
              }
            }
          }};
}

// After its own value, the element switches its link to the live port: a
// configuration written by the program always leaves all three links reading
// from their ports. The switch is a step of its own: a value that cannot be
// read back still lets it happen.
template <class CommRef, class FileRef>
Element thenReadFromPort(Element e, CommRef comm, FileRef file) {
  auto own = e.restore;
  e.restore = [own, comm, file](App& a, std::string_view v) {
    try {
      own(a, v);
    } catch (const std::exception&) {
      // The control keeps its value; the switch still follows.
    }
    comm(a).setValue(true);
    file(a).setValue(false);
  };
  return e;
}

std::vector<Section> buildSections() {
  std::vector<Section> s;

  s.push_back({"COMM_PORTS",
               {
                   text("EFIS_PORT_NAME", at(&Form2::EFIS_CommPort)),
                   text("EFIS_PORT_SPEED", at(&Form2::EFIS_PortSpeed)),
                   text("EFIS_PORT_PARITY", at(&Form2::EFIS_PortParity)),
                   text("EFIS_PORT_DATA_LENGTH", at(&Form2::EFIS_PortDataBits)),
                   text("EFIS_PORT_FLOW_CONTROL", at(&Form2::EFIS_PortFlow)),
                   thenReadFromPort(text("EFIS_PORT_STOP_BITS", at(&Form2::EFIS_PortStopBits)),
                                    at(&Form2::EFIS_COMM), at(&Form2::EFIS_FILE)),
                   writtenOnly(option("EFIS_READ_COMM", at(&Form2::EFIS_COMM))),
                   writtenOnly(option("EFIS_READ_FILE", at(&Form2::EFIS_FILE))),
                   toolTip("EFIS_READ_DATA_FILE_NAME", at(&Form2::EFIS_DataFileName)),
                   rate("EFIS_MAIN_UPDATE", at(&Form1::MainInterval), at(&Form2::EFISUpdateRate)),
                   rate("EFIS_INSTRUMENT_UPDATE", at(&Form1::EFISInterval), at(&Form2::MainUpdateRate)),
                   check("EFIS_COMM_CAPTURE", at(&Form2::RecordFileRawEFIS)),
                   text("EMS_PORT_NAME", at(&Form2::EMS_CommPort)),
                   text("EMS_PORT_SPEED", at(&Form2::EMS_PortSpeed)),
                   text("EMS_PORT_PARITY", at(&Form2::EMS_PortParity)),
                   text("EMS_PORT_DATA_LENGTH", at(&Form2::EMS_PortDataBits)),
                   text("EMS_PORT_FLOW_CONTROL", at(&Form2::EMS_PortFlow)),
                   text("EMS_PORT_STOP_BITS", at(&Form2::EMS_PortStopBits)),
                   writtenOnly(option("EMS_READ_COMM", at(&Form2::EMS_COMM))),
                   writtenOnly(option("EMS_READ_FILE", at(&Form2::EMS_FILE))),
                   toolTip("EMS_READ_DATA_FILE_NAME", at(&Form2::EMS_DataFileName)),
                   thenReadFromPort(check("EMS_COMM_CAPTURE", at(&Form2::RecordFileRawEMS)),
                                    at(&Form2::EMS_COMM), at(&Form2::EMS_FILE)),
                   text("GPS_PORT_NAME", at(&Form2::GPS_CommPort)),
                   text("GPS_PORT_SPEED", at(&Form2::GPS_PortSpeed)),
                   text("GPS_PORT_PARITY", at(&Form2::GPS_PortParity)),
                   text("GPS_PORT_DATA_LENGTH", at(&Form2::GPS_PortDataBits)),
                   text("GPS_PORT_FLOW_CONTROL", at(&Form2::GPS_PortFlow)),
                   thenReadFromPort(text("GPS_PORT_STOP_BITS", at(&Form2::GPS_PortStopBits)),
                                    at(&Form2::GPS_COMM), at(&Form2::GPS_FILE)),
                   writtenOnly(option("GPS_READ_COMM", at(&Form2::GPS_COMM))),
                   writtenOnly(option("GPS_READ_FILE", at(&Form2::GPS_FILE))),
                   toolTip("GPS_READ_DATA_FILE_NAME", at(&Form2::GPS_DataFileName)),
                   check("GPS_COMM_CAPTURE", at(&Form2::RecordFileRawGPS)),
                   option("GPS_FORMAT_NMEA", at(&Form2::GPS_Sentance_NMEA)),
                   option("GPS_FORMAT_GARMIN", at(&Form2::GPS_Sentance_Garmin)),
               }});

  s.push_back({"EMS_TYPE",
               {
                   option("EMS_DYNON", at(&Form2::EMSDYNON)),
                   option("EMS_GRAND_RAPIDS", at(&Form2::EMSGRANDRAPIDS)),
                   option("EMS_GR_2000", at(&Form2::EMSGR2000)),
               }});

  // The start-stop pair has one element: "False" stands for recording
  // continuously.
  s.push_back({"RECORDER",
               {
                   text("DIRECTORY", at(&Form2::DataFolder)),
                   option("SHOW_RECORD_BUTTON", at(&Form2::ShowStartStopButton)),
                   option("RECORD_TIME_REAL", at(&Form2::RealTime)),
                   option("RECORD_TIME_.25", at(&Form2::IntervalHalfSecond)),
                   option("RECORD_TIME_1", at(&Form2::IntervalOneSecond)),
                   option("RECORD_TIME_5", at(&Form2::IntervalFiveSecond)),
                   option("RECORD_TIME_10", at(&Form2::IntervalTenSecond)),
                   option("RECORD_TIME_30", at(&Form2::IntervalThirtySecond)),
                   option("RECORD_UNITS_KPH", at(&Form2::UnitKiloMeters)),
                   option("RECORD_UNITS_MPS", at(&Form2::UnitsMeter)),
                   option("RECORD_UNITS_KNOTS", at(&Form2::UnitsKnots)),
                   option("RECORD_UNITS_MILES", at(&Form2::UnitMiles)),
                   text("RECORD_SAVE_FILES_SIZE", at(&Form2::SaveExcelDataFileSize)),
                   text("RECORD_EFIS_CAPTURE_FILES_SIZE", at(&Form2::SaveEFISCaptureFileSize)),
                   text("RECORD_EMS_GPS_CAPTURE_FILES_SIZE", at(&Form2::SaveEMSCaptureFileSize)),
               }});

  // Airspeed row 0 has no speed of its own and no element.
  std::vector<Element> instruments;
  for (int i = 1; i <= 5; ++i) {
    static constexpr std::array<std::string_view, 6> kSpeed{"",
                                                            "AIRSPEED_SPEED_1",
                                                            "AIRSPEED_SPEED_2",
                                                            "AIRSPEED_SPEED_3",
                                                            "AIRSPEED_SPEED_4",
                                                            "AIRSPEED_SPEED_5"};
    instruments.push_back(text(kSpeed[static_cast<std::size_t>(i)], at(&form13::AirspeedIndicatorSpeed, i)));
  }
  for (int i = 0; i <= 4; ++i) {
    static constexpr std::array<std::string_view, 5> kColor{
        "AIRSPEED_COLOR_0", "AIRSPEED_COLOR_1", "AIRSPEED_COLOR_2", "AIRSPEED_COLOR_3", "AIRSPEED_COLOR_4"};
    instruments.push_back(text(kColor[static_cast<std::size_t>(i)], at(&form13::AirspeedMarkingsColor, i)));
  }
  for (Element e : {
           text("VERTICAL_SPEED_LIMITS", at(&form13::VerticalIndicatorSpeed)),
           text("G_METER_MAX", at(&form13::G_Meter_Max)),
           text("AOA_MAX", at(&form13::AOAMaxScale)),
           text("AOA_RED", at(&form13::AOAHighRed)),
           text("AOA_YELLOW", at(&form13::AOAHighYellow)),
           text("AOA_MIN", at(&form13::AOAMinScale)),
           check("EFIS_FILTER_DISPLAY", at(&form13::EFIS_FilterDisplay)),
           text("ENGINE_OIL_TEMP_MAX", at(&form13::OilTempMax)),
           text("ENGINE_OIL_TEMP_HIGH_RED", at(&form13::OilTempHighRed)),
           text("ENGINE_OIL_TEMP_HIGH_YELLOW", at(&form13::OilTempHighYellow)),
           text("ENGINE_OIL_TEMP_LOW_YELLOW", at(&form13::OilTempLowYellow)),
           text("ENGINE_OIL_TEMP_LOW_RED", at(&form13::OilTempLowRED)),
           text("ENGINE_OIL_PRES_MAX", at(&form13::OilPresMax)),
           text("ENGINE_OIL_PRES_HIGH_RED", at(&form13::OilPresHighRed)),
           text("ENGINE_OIL_PRES_HIGH_YELLOW", at(&form13::OilPresHighYellow)),
           text("ENGINE_OIL_PRES_LOW_YELLOW", at(&form13::OilPresLowYellow)),
           text("ENGINE_OIL_PRES_LOW_RED", at(&form13::OilPresLowRed)),
           text("ENGINE_VOLTAGE_MAX", at(&form13::VoltageMax)),
           text("ENGINE_VOLTAGE_HIGH_RED", at(&form13::VoltageHighRed)),
           text("ENGINE_VOLTAGE_HIGH_YELLOW", at(&form13::VoltageHighYellow)),
           text("ENGINE_VOLTAGE_LOW_YELLOW", at(&form13::VoltageLowYellow)),
           text("ENGINE_VOLTAGE_LOW_RED", at(&form13::VoltageLowRed)),
           text("ENGINE_AMPS_MAX", at(&form13::AmpsScaleMax)),
           text("ENGINE_AMPS_HIGH_RED", at(&form13::AmpsHighRed)),
           text("ENGINE_AMPS_HIGH_YELLOW", at(&form13::AmpsHighYellow)),
           text("ENGINE_AMPS_LOW_YELLOW", at(&form13::AmpsLowYellow)),
           text("ENGINE_AMPS_LOW_RED", at(&form13::AmpsLowRed)),
           text("ENGINE_FUEL_PRES_MAX", at(&form13::FuelPresMax)),
           text("ENGINE_FUEL_PRES_HIGH_RED", at(&form13::FuelPresHighRed)),
           text("ENGINE_FUEL_PRES_HIGH_YELLOW", at(&form13::FuelPresHighYellow)),
           text("ENGINE_FUEL_PRES_LOW_YELLOW", at(&form13::FuelPresLowYellow)),
           text("ENGINE_FUEL_PRES_LOW_RED", at(&form13::FuelPresLowRed)),
           text("ENGINE_FUEL_FLOW_MAX", at(&form13::FuelFlowMax)),
           text("ENGINE_FUEL_FLOW_HIGH_RED", at(&form13::FuelFlowHighRed)),
           text("ENGINE_FUEL_FLOW_HIGH_YELLOW", at(&form13::FuelFlowHighYellow)),
           text("ENGINE_FUEL_FLOW_LOW_YELLOW", at(&form13::FuelFlowLowYellow)),
           text("ENGINE_FUEL_FLOW_LOW_RED", at(&form13::FuelFlowLowRed)),
           text("ENGINE_FUEL_LEFT_MAX", at(&form13::FuelLeftMax)),
           text("ENGINE_FUEL_LEFT_LOW_RED", at(&form13::FuelLeftRed)),
           text("ENGINE_FUEL_LEFT_LOW_YELLOW", at(&form13::FuelLeftYellow)),
           text("ENGINE_FUEL_RIGHT_MAX", at(&form13::FuelRightMax)),
           text("ENGINE_FUEL_RIGHT_LOW_RED", at(&form13::FuelRightRed)),
           text("ENGINE_FUEL_RIGHT_LOW_YELLOW", at(&form13::FuelRightYellow)),
           text("ENGINE_TACH_MAX", at(&form13::TachMax)),
           text("ENGINE_TACH_HIGH_RED", at(&form13::TachHighRed)),
           text("ENGINE_TACH_HIGH_YELLOW", at(&form13::TachHighYellow)),
           text("ENGINE_TACH_STOP_YELLOW", at(&form13::TachYellowStop)),
           text("ENGINE_TACH_START_YELLOW", at(&form13::TachYellowStart)),
           text("ENGINE_CHT_MAX", at(&form13::CHTMax)),
           text("ENGINE_CHT_HIGH_RED", at(&form13::CHTHighRed)),
           text("ENGINE_CHT_HIGH_YELLOW", at(&form13::CHTHighYellow)),
           text("ENGINE_CHT_MIN", at(&form13::CHTMin)),
           text("ENGINE_EGT_MAX", at(&form13::EGTMax)),
           text("ENGINE_EGT_HIGH_RED", at(&form13::EGTHighRed)),
           text("ENGINE_EGT_HIGH_YELLOW", at(&form13::EGTHighYellow)),
           text("ENGINE_EGT_MIN", at(&form13::EGTMin)),
           text("ENGINE_MAN_PRES_MAX", at(&form13::ManPresMax)),
           text("ENGINE_MAN_PRES_RED", at(&form13::ManPresHighRed)),
           text("ENGINE_MAN_PRES_YELLOW", at(&form13::ManPresHighYellow)),
           text("ENGINE_MAN_PRES_MIN", at(&form13::ManPresMin)),
       })
    instruments.push_back(std::move(e));
  for (int i = 0; i <= 5; ++i) {
    static constexpr std::array<std::string_view, 6> kCylinder{
        "ENGINE_DISPLAY_CYL_1", "ENGINE_DISPLAY_CYL_2", "ENGINE_DISPLAY_CYL_3",
        "ENGINE_DISPLAY_CYL_4", "ENGINE_DISPLAY_CYL_5", "ENGINE_DISPLAY_CYL_6"};
    instruments.push_back(check(kCylinder[static_cast<std::size_t>(i)], at(&form13::DisplayCylinders, i)));
  }
  instruments.push_back(check("ENGINE_FILTER_DISPLAY", at(&form13::FilterDisplay)));
  instruments.push_back(text("GPS_TERRAIN_HEIGHT_WARNING", at(&form13::TerrainAlertAltitude)));
  s.push_back({"INSTRUMENTS", std::move(instruments)});

  std::vector<Element> startup;
  static constexpr std::array<std::string_view, 6> kStartup{"STARTUP_MAIN",
                                                            "STARTUP_EMS10",
                                                            "STARTUP_GRAND_RAPIDS",
                                                            "STARTUP_ARTIFICIAL_HORIZON",
                                                            "STARTUP_GPS_INSTRUMENTS",
                                                            "STARTUP_ENGINE_INSTRUMENTS"};
  for (int i = 0; i <= 5; ++i)
    startup.push_back(option(kStartup[static_cast<std::size_t>(i)], at(&Form2::StartupDisplayScreen, i)));
  s.push_back({"STARTUP_SCREEN", std::move(startup)});

  // Correction i applies above -2,500 + 2,500 * i feet; the name carries
  // that threshold.
  std::vector<Element> modeC;
  modeC.push_back(check("MODE_C_INSTALLED", at(&form13::ModeCInstalled)));
  static constexpr std::array<std::string_view, 18> kCorrection{
      "MODE_C_CORRECTION_MINUS_2500", "MODE_C_CORRECTION_ZERO",  "MODE_C_CORRECTION_2500",
      "MODE_C_CORRECTION_5000",       "MODE_C_CORRECTION_7500",  "MODE_C_CORRECTION_10000",
      "MODE_C_CORRECTION_12500",      "MODE_C_CORRECTION_15000", "MODE_C_CORRECTION_17500",
      "MODE_C_CORRECTION_20000",      "MODE_C_CORRECTION_22500", "MODE_C_CORRECTION_25000",
      "MODE_C_CORRECTION_27500",      "MODE_C_CORRECTION_30000", "MODE_C_CORRECTION_32500",
      "MODE_C_CORRECTION_35000",      "MODE_C_CORRECTION_37500", "MODE_C_CORRECTION_40000"};
  for (int i = 0; i <= 17; ++i)
    modeC.push_back(text(kCorrection[static_cast<std::size_t>(i)], at(&form13::ModeCCorrection, i)));
  s.push_back({"MODE_C", std::move(modeC)});

  return s;
}

void elementLine(std::string& out, std::string_view indent, std::string_view name, std::string_view value) {
  out += indent;
  out += '<';
  out += name;
  out += '>';
  out += value;
  out += "</";
  out += name;
  out += '>';
  out += kLineEnd;
}

void plainLine(std::string& out, std::string_view a, std::string_view b = {}, std::string_view c = {}) {
  out += a;
  out += b;
  out += c;
  out += kLineEnd;
}

}  // namespace

const std::vector<Section>& configurationSections() {
  static const std::vector<Section> sections = buildSections();
  return sections;
}

const Element& localTimeElement() {
  static const Element e{
      "LOCALTIME", [](App& a) { return std::string(a.form1().ComputerTime.caption()); }, {}};
  return e;
}

std::string configurationText(App& app) {
  std::string out;
  out.reserve(8192);
  plainLine(out, "<?xml version=\"1.0\" standalone=\"no\"?>");
  plainLine(out, "<!--Talbren Ruvove Zavi Zaredido, ", app.form1().RevNumber.caption(), " -->");
  plainLine(out, " <CONFIGURATION>");
  const Element& clock = localTimeElement();
  elementLine(out, "   ", clock.name, clock.value(app));
  for (const Section& section : configurationSections()) {
    plainLine(out, "   <", section.name, ">");
    for (const Element& e : section.elements) elementLine(out, "      ", e.name, e.value(app));
    plainLine(out, "   </", section.name, ">");
  }
  plainLine(out, " </CONFIGURATION>");
  return out;
}

std::string saveErrorMessage(int errorNumber, std::string_view path) {
  std::string text(platform::fileErrorText(errorNumber));
  if (text.empty()) text = "Error Number at Load/Save Files" + platform::numberText(errorNumber);
  text += kLineEnd;
  text += "Parameter File Name = ";
  text += path;
  text += kLineEnd;
  return text;
}

bool optionValue(std::string_view text) {
  const std::string word = platform::upperText(platform::trimText(text));
  if (word == "TRUE") return true;
  if (word == "FALSE") return false;
  if (platform::isNumberText(text)) return platform::readNumber(text) != 0;
  throw platform::RunError(platform::err::TypeMismatch, "Type mismatch");
}

int checkValue(std::string_view text) {
  if (!platform::isNumberText(text)) throw platform::RunError(platform::err::TypeMismatch, "Type mismatch");
  return platform::toInt16(platform::readNumber(text));
}

}  // namespace config
