#include "screens/form4.h"

#include "screens/data_screen_layout.h"

namespace screens {

namespace {

using layout::heading;
using layout::value;

// Engine frame: nine value columns, and six cylinder columns under columns 2-7.
constexpr int kColLeft = 120, kColPitch = 1220, kColWidth = 1140;
constexpr int col(int i) {
  return kColLeft + i * kColPitch;
}
constexpr int cyl(int i) {
  return col(i + 1);
}

// Fuel frame columns.
constexpr int fuelCol(int i) {
  return 120 + i * 1040;
}
constexpr int kFuelWidth = 960;

// Miscellaneous frame: general-purpose columns and the contact lamp row.
constexpr int gpCol(int i) {
  return 120 + i * 1360;
}
constexpr int kGpWidth = 1260;
constexpr int contactLeft(int i) {
  return 360 + i * 600;
}

}  // namespace

Form4::Form4(platform::Scheduler& scheduler)
    : platform::Screen("Form4", "DYNON EMS 10"),
      PlaybackSpeedTimer(scheduler, "PlaybackSpeedTimer", 1000, false) {
  setSize(11400, 6240);

  // Engine values: one row of headings over their values, then CHT and EGT
  // rows under the cylinder numbers.
  layout::frame(Frame1, "", 120, 120, 11160, 2100);
  constexpr int kHeadTop = 240, kValueTop = 510;
  platform::Label* headings[] = {&Label1, &Label2, &Label3, &Label4, &Label5,
                                 &Label6, &Label7, &Label8, &Label9};
  const char* headingText[] = {"ENTRY TIME", "RPM",  "MAN PRES",   "OIL TEMP", "OIL PRES",
                               "VOLTS",      "AMPS", "HOBBS TIME", "TACH TIME"};
  platform::Label* values[] = {&EMSTime,    &EMSRPM,  &EMSManPres, &EMSOilTemp, &EMSOilPres,
                               &EMSVoltage, &EMSAmps, &HobbsTime,  &TachTime};
  for (int i = 0; i < 9; ++i) {
    heading(*headings[i], Frame1, headingText[i], col(i), kHeadTop, kColWidth);
    value(*values[i], Frame1, col(i), kValueTop, kColWidth);
  }
  EMSTime.setToolTip("Time from EMS");
  HobbsTime.setToolTip("Time from EMS");
  TachTime.setToolTip("Time from EMS");

  constexpr int kCylTop = 960, kChtTop = 1260, kEgtTop = 1620;
  platform::Label* cylinders[] = {&Label12, &Label13, &Label14, &Label15, &Label16, &Label17};
  platform::Label* cht[] = {&EMSCHT1, &EMSCHT2, &EMSCHT3, &EMSCHT4, &EMSCHT5, &EMSCHT6};
  platform::Label* egt[] = {&EMSEGT1, &EMSEGT2, &EMSEGT3, &EMSEGT4, &EMSEGT5, &EMSEGT6};
  const char* numbers[] = {"1", "2", "3", "4", "5", "6"};
  heading(Label10, Frame1, "CHT", col(0), kChtTop + 15, kColWidth);
  heading(Label11, Frame1, "EGT", col(0), kEgtTop + 15, kColWidth);
  for (int i = 0; i < 6; ++i) {
    heading(*cylinders[i], Frame1, numbers[i], cyl(i), kCylTop, kColWidth);
    value(*cht[i], Frame1, cyl(i), kChtTop, kColWidth);
    value(*egt[i], Frame1, cyl(i), kEgtTop, kColWidth);
  }

  // Fuel.
  layout::frame(Frame2, "FUEL", 120, 2340, 5400, 1020);
  platform::Label* fuelHeadings[] = {&Label18, &Label19, &Label20, &Label21, &Label22};
  const char* fuelText[] = {"PRESSURE", "FLOW", "QTY 1", "QTY 2", "REMAIN"};
  platform::Label* fuel[] = {&EMSFuelPressure, &EMSFuelFlow, &EMSQuantity1, &EMSQuantity2, &EMSFuelRemaining};
  for (int i = 0; i < 5; ++i) {
    heading(*fuelHeadings[i], Frame2, fuelText[i], fuelCol(i), 300, kFuelWidth);
    value(*fuel[i], Frame2, fuelCol(i), 570, kFuelWidth);
  }

  // General-purpose inputs, thermocouple and contacts; contacts 7 and 8 have
  // no number of their own.
  layout::frame(Frame3, "MISC", 5640, 2340, 5640, 1740);
  platform::Label* gpHeadings[] = {&Label23, &Label24, &Label25, &Label26};
  const char* gpText[] = {"GP1", "GP2", "GP3", "Temp"};
  platform::Label* gp[] = {&EMSGP1, &EMSGP2, &EMSGP3, &EMSGPThermocouple};
  for (int i = 0; i < 4; ++i) {
    heading(*gpHeadings[i], Frame3, gpText[i], gpCol(i), 300, kGpWidth);
    value(*gp[i], Frame3, gpCol(i), 570, kGpWidth);
  }
  platform::Label* contactNumbers[] = {&Label27, &Label28, &Label29, &Label30, &Label31, &Label32};
  for (int i = 0; i < 6; ++i) heading(*contactNumbers[i], Frame3, numbers[i], contactLeft(i) - 82, 1000, 360);
  for (int i = 0; i <= 7; ++i)
    layout::fillLamp(EMS_Contact[i], Frame3, contactLeft(i), 1290, platform::color::Green);

  // Engine link light and the doors.
  layout::backLamp(EMS_CommOK, nullptr, 240, 3645, platform::color::Green);
  Label35.setCaption("EMS COMM");
  Label35.setTransparent(true);
  Label35.setGeometry(480, 3615, 960, layout::kLabelHeight);
  layout::button(Command1, "RETURN", "", 1560, 3540, 1560);
  layout::button(Command4, "ENGINE INSTRUMENTS", "Click to view the EFIS Screen", 3240, 3540, 2280);

  // Engine file player. Hidden while the engine data come from the port,
  // which is the built-in source.
  layout::frame(FILE_OPS, "FILES", 120, 4200, 11160, 1920);
  FILE_OPS.setVisible(false);

  DataFileName.setContainer(&FILE_OPS);
  DataFileName.setBorder(true);
  DataFileName.setBackColor(platform::color::WindowBackground);
  DataFileName.setGeometry(120, 300, 5400, layout::kValueHeight);
  heading(Label34, FILE_OPS, "Length", 5640, 315, 720, platform::Alignment::Right);
  value(RecordLength, FILE_OPS, 6420, 300, 720, "Record Length (how many characters in this record)");
  RecordLength.setCaption("0");
  layout::fillLamp(DataParseCorrectly, FILE_OPS, 7380, 345, platform::color::BrightGreen);

  DataPointerSlider.setContainer(&FILE_OPS);
  DataPointerSlider.setMin(0);
  DataPointerSlider.setMax(1);
  DataPointerSlider.setGeometry(120, 660, 10920, 420);

  heading(Label33, FILE_OPS, "RECORD #    OF     RECORDS", 120, 1200, 2760, platform::Alignment::Left);
  value(RecordPointer, FILE_OPS, 120, 1500, 1200, "Current Record displayed");
  RecordPointer.setCaption("0");
  value(RecordCount, FILE_OPS, 1560, 1500, 1320);
  RecordCount.setCaption("0");

  // Speed positions 0 (stopped) to 9 (fastest); 10 leaves the timer alone.
  PlaybackSpeed.setContainer(&FILE_OPS);
  PlaybackSpeed.setMin(0);
  PlaybackSpeed.setMax(10);
  PlaybackSpeed.setSmallChange(1);
  PlaybackSpeed.setLargeChange(1);
  PlaybackSpeed.setGeometry(3120, 1200, 3480, 420);
  for (platform::CommandButton* b : {&FastSpeedButton, &MedSpeedButton, &StopSpeedButton})
    b->setContainer(&FILE_OPS);
  layout::button(FastSpeedButton, "FAST", "", 6840, 1200, 960);
  layout::button(MedSpeedButton, "PLAYBACK SPEED", "", 7920, 1200, 1800);
  layout::button(StopSpeedButton, "STOP", "", 9840, 1200, 960);
}

}  // namespace screens
