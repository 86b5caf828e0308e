#include "screens/form5.h"

#include "screens/data_screen_layout.h"

namespace screens {

namespace {

using layout::heading;
using layout::value;

// Flight and fuel frames: columns of 1100 at a pitch of 1180.
constexpr int smallCol(int i) {
  return 120 + i * 1180;
}
constexpr int kSmallWidth = 1100;

// Engine frame: nine value columns, and six cylinder columns under columns 2-7.
constexpr int col(int i) {
  return 120 + i * 1220;
}
constexpr int kColWidth = 1140;
constexpr int cyl(int i) {
  return col(i + 1);
}

// Miscellaneous frame: the header readout with its light, then six inputs.
constexpr int auxCol(int i) {
  return 2160 + i * 1040;
}
constexpr int kAuxWidth = 960;

// Rows shared by the frames with two-line headings.
constexpr int kHeadTop1 = 285, kHeadTop2 = 540, kValueTop = 840;

}  // namespace

Form5::Form5(platform::Scheduler& /*scheduler*/) : platform::Screen("Form5", "GRAND RAPIDS 4000 / 6000") {
  setSize(11400, 6660);

  // Flight values.
  layout::frame(Frame1, "FLIGHT", 120, 120, 7320, 1260);
  {
    platform::Label* headings[] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6};
    const char* text[] = {"OAT TEMP", "ROC", "BARO", "INT TEMP", "AIRSPEED", "ALTITUDE"};
    platform::Label* values[] = {&GROAT,      &GRROC,     &GRBaroSetting, &GRUnitTemperature,
                                 &GRAirspeed, &GRAltitude};
    const char* tips[] = {"Outside Air Temp",
                          "Rate Of Climb",
                          "Barometer setting in inches xx.xx",
                          "Internal temperature of GR Unit",
                          "Airspeed in units from GR",
                          "Altitude in Feet  "};
    for (int i = 0; i < 6; ++i) {
      heading(*headings[i], Frame1, text[i], smallCol(i), kHeadTop2, kSmallWidth);
      value(*values[i], Frame1, smallCol(i), kValueTop, kSmallWidth, tips[i]);
    }
  }

  // Fuel: fuel flow, fuel remaining and time remaining.
  layout::frame(Frame3, "FUEL", 7560, 120, 3720, 1260);
  heading(Label7, Frame3, "FUEL", smallCol(0), kHeadTop1, kSmallWidth);
  heading(Label8, Frame3, "TIME", smallCol(2), kHeadTop1, kSmallWidth);
  heading(Label9, Frame3, "FLOW", smallCol(0), kHeadTop2, kSmallWidth);
  heading(Label10, Frame3, "REMAIN", smallCol(1), kHeadTop2, kSmallWidth);
  heading(Label11, Frame3, "REMAIN", smallCol(2), kHeadTop2, kSmallWidth);
  value(GRFuelFlow, Frame3, smallCol(0), kValueTop, kSmallWidth, "Fuel flow");
  value(GRFuelQuantity, Frame3, smallCol(1), kValueTop, kSmallWidth, "Fuel remaining");
  value(GRTimeRemaining, Frame3, smallCol(2), kValueTop, kSmallWidth, "Time remaining until fuel exhausted");

  // Engine values: timers, oil, speeds, carburettor, voltage and coolant,
  // then CHT and EGT rows under the cylinder numbers.
  layout::frame(Frame2, "ENGINE", 120, 1500, 11160, 2400);
  heading(Label12, Frame2, "FLIGHT", col(0), kHeadTop1, kColWidth);
  heading(Label13, Frame2, "TACH", col(1), kHeadTop1, kColWidth);
  heading(Label14, Frame2, "OIL", col(2), kHeadTop1, kColWidth);
  heading(Label15, Frame2, "OIL", col(3), kHeadTop1, kColWidth);
  {
    platform::Label* headings[] = {&Label16, &Label17, &Label18, &Label19, &Label20,
                                   &Label21, &Label22, &Label23, &Label24};
    const char* text[] = {"TIME", "TIME", "TEMP", "PRES", "RPM 1", "RPM 2", "CARB", "VOLTS", "COOLANT"};
    platform::Label* values[] = {&GRTime, &GRHourMeter, &GROilTemp, &GROilPres,    &GRRPM1,
                                 &GRRPM2, &GRCarbTemp,  &GRVoltage, &GRCoolantTemp};
    const char* tips[] = {"Flight Timer",     "Hour Meter X.X", "Oil Temperature",
                          "Oil Pressure",     "Tachometer",     "Tachometer",
                          "Carb Temperature", "Volt Meter",     "Coolant Temperature"};
    for (int i = 0; i < 9; ++i) {
      heading(*headings[i], Frame2, text[i], col(i), kHeadTop2, kColWidth);
      value(*values[i], Frame2, col(i), kValueTop, kColWidth, tips[i]);
    }
  }
  {
    constexpr int kCylTop = 1260, kChtTop = 1560, kEgtTop = 1920;
    platform::Label* cylinders[] = {&Label27, &Label28, &Label29, &Label30, &Label31, &Label32};
    platform::Label* cht[] = {&GRCHT1, &GRCHT2, &GRCHT3, &GRCHT4, &GRCHT5, &GRCHT6};
    platform::Label* egt[] = {&GREGT1, &GREGT2, &GREGT3, &GREGT4, &GREGT5, &GREGT6};
    const char* numbers[] = {"1", "2", "3", "4", "5", "6"};
    heading(Label25, Frame2, "CHT", col(0), kChtTop + 15, kColWidth);
    heading(Label26, Frame2, "EGT", col(0), kEgtTop + 15, kColWidth);
    for (int i = 0; i < 6; ++i) {
      heading(*cylinders[i], Frame2, numbers[i], cyl(i), kCylTop, kColWidth);
      value(*cht[i], Frame2, cyl(i), kChtTop, kColWidth);
      value(*egt[i], Frame2, cyl(i), kEgtTop, kColWidth);
    }
  }

  // Frame header with the link light beside it, and the auxiliary inputs.
  layout::frame(Frame4, "MISC", 120, 4020, 8460, 1260);
  heading(Label33, Frame4, "HEADER", 120, kHeadTop2, 1560);
  value(HeaderType, Frame4, 120, kValueTop, 1560,
        "Data Stream 3 character Header - Used to identify version information.   BRIGHT GREEN - Receiving "
        "Comm "
        "data");
  layout::backLamp(GRValidHeader, &Frame4, 1800, kValueTop + 45, platform::color::Green);
  {
    platform::Label* headings[] = {&Label34, &Label35, &Label36, &Label37, &Label38, &Label39};
    const char* text[] = {"AUX 1", "AUX 2", "AUX 3", "AUX 4", "AUX 5", "AUX 6"};
    platform::Label* values[] = {&GRAux1, &GRAux2, &GRAux3, &GRAux4, &GRAux5, &GRAux6};
    for (int i = 0; i < 6; ++i) {
      heading(*headings[i], Frame4, text[i], auxCol(i), kHeadTop2, kAuxWidth);
      value(*values[i], Frame4, auxCol(i), kValueTop, kAuxWidth);
    }
  }

  layout::button(Command1, "RETURN", "Return to main unit", 8820, 4080, 2460);
  layout::button(Command4, "ENGINE INSTRUMENTS", "Click to view the EFIS Screen", 8820, 4680, 2460);

  // The loaded engine file: the loader writes its name, count and slider range.
  layout::frame(Frame5, "FILES", 120, 5400, 11160, 1140);
  DataFileName.setContainer(&Frame5);
  DataFileName.setBorder(true);
  DataFileName.setBackColor(platform::color::WindowBackground);
  DataFileName.setGeometry(120, 300, 5400, layout::kValueHeight);
  heading(Label40, Frame5, "RECORDS", 5640, 315, 960, platform::Alignment::Right);
  value(RecordCount, Frame5, 6720, 300, 1200);
  RecordCount.setCaption("0");
  DataPointerSlider.setContainer(&Frame5);
  DataPointerSlider.setMin(0);
  DataPointerSlider.setMax(1);
  DataPointerSlider.setGeometry(120, 660, 10920, 360);
}

}  // namespace screens
