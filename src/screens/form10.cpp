#include "screens/form10.h"

#include "screens/instrument_style.h"

namespace screens {

namespace {

using platform::color::Green;
using platform::color::Red;
using platform::color::Yellow;

void fixedText(platform::GaugeLabel& g, std::string_view text) {
  g.setCaption(text);
  g.setFont(style::captionFont());
}

void value(platform::GaugeLabel& g, double size = 12) {
  g.setCaption("0");
  g.setFont(style::readoutFont(size));
}

void readout(platform::AnalogDisplay& d, int precision) {
  d.setPrecision(precision);
  d.setFont(style::readoutFont());
}

}  // namespace

Form10::Form10(platform::Scheduler& /*scheduler*/) : platform::Screen("Form10", "DYNON ENGINE MONITOR") {
  setSize(15000, 10500);
  setBackColor(platform::color::Black);

  // Top row: four dials, each with its value and caption below. Until the
  // set-up runs the texts are those of English units.
  struct DialColumn {
    platform::AngularGauge& dial;
    platform::Control& value;
    platform::GaugeLabel& caption;
    const char* text;
  };
  const DialColumn dials[] = {{ManifoldPressureGuage, ManifoldPressureLabel, iLabelX1, "in Hg"},
                              {TachGuage, TachLabel, iLabelX2, "RPM"},
                              {OilPresGuage, OilPresLabel, iLabelX4, "OIL PRES"},
                              {OilTempGuage, OilTempLabel, iLabelX7, "OIL TEMP"}};
  int left = 240;
  for (const DialColumn& d : dials) {
    d.dial.setGeometry(left, 120, 3360, 3360);
    d.value.setGeometry(left + 480, 3540, 2400, 495);
    d.caption.setGeometry(left + 480, 4080, 2400, 315);
    fixedText(d.caption, d.text);
    left += 3720;
  }
  style::scale(ManifoldPressureGuage, 0, 30, {style::kSeaGreen, Yellow, Red}, {28, 29});
  style::scale(TachGuage, 0, 3000, {style::kSeaGreen, Yellow, Green, Yellow, Red}, {2100, 2200, 2650, 2700});
  style::scale(OilPresGuage, 0, 100, {Red, Yellow, Green, Yellow, Red}, {15, 25, 80, 99});
  style::scale(OilTempGuage, 0, 300, {Red, Yellow, Green, Yellow, Red}, {60, 120, 260, 280});
  OilTempGuage.setReverseScale(true);
  readout(ManifoldPressureLabel, 2);
  readout(TachLabel, 0);
  value(OilPresLabel, 14);
  value(OilTempLabel, 14);
  style::toolTip("Manifold Pressure - Inches of Mecury", {&ManifoldPressureGuage, &ManifoldPressureLabel});
  style::toolTip("Oil Pressure - PSI", {&OilPresLabel, &iLabelX4, &OilPresGuage});
  style::toolTip("Oil Temperature - Deg F", {&OilTempLabel, &iLabelX7, &OilTempGuage});

  // Fuel quantity: left tank dial and right tank dial (reversed, so the two
  // read towards each other).
  iLabelX8.setGeometry(240, 4560, 5160, 315);
  fixedText(iLabelX8, "FUEL");
  iLabelX3.setGeometry(240, 4920, 5160, 315);
  fixedText(iLabelX3, "QUANTITY");
  FuelQtyLeftGuage.setGeometry(240, 5280, 2520, 2520);
  FuelQtyRightGuage.setGeometry(2880, 5280, 2520, 2520);
  style::scale(FuelQtyLeftGuage, 0, 25, {Red, Yellow, Green}, {4, 8});
  style::scale(FuelQtyRightGuage, 0, 25, {Red, Yellow, Green}, {4, 8});
  FuelQtyRightGuage.setReverseScale(true);
  FuelQtyLeftLabel.setGeometry(240, 7860, 2520, 435);
  value(FuelQtyLeftLabel);
  FuelQtyRightLabel.setGeometry(2880, 7860, 2520, 435);
  value(FuelQtyRightLabel);
  CHTLabel[10].setGeometry(240, 8340, 2520, 315);
  fixedText(CHTLabel[10], "LEFT");
  CHTLabel[11].setGeometry(2880, 8340, 2520, 315);
  fixedText(CHTLabel[11], "RIGHT");
  style::toolTip("Fuel Quantity - Gallons", {&FuelQtyRightLabel, &FuelQtyLeftLabel, &iLabelX3});

  // Bars: caption and value on one line, the bar across the whole column
  // below them.
  struct BarRow {
    platform::GaugeLabel& caption;
    const char* text;
    platform::LinearGauge& bar;
    platform::GaugeLabel& value;
  };
  const BarRow bars[] = {{CHTLabel[7], "VOLTS", VoltageGuage, VoltageLabel},
                         {CHTLabel[9], "AMPS", AmpsGuage, AmpsLabel},
                         {CHTLabel[6], "PRES", FuelPresGuage, FuelPresLabel},
                         {CHTLabel[8], "FLOW", FuelFlowGuage, FuelFlowLabel}};
  int top = 4560;
  for (const BarRow& b : bars) {
    b.caption.setGeometry(5640, top + 45, 1500, 315);
    fixedText(b.caption, b.text);
    b.caption.setAlignment(platform::Alignment::Left);
    b.value.setGeometry(8280, top, 1560, 405);
    value(b.value);
    b.value.setAlignment(platform::Alignment::Right);
    b.bar.setGeometry(5640, top + 420, 4200, 600);
    style::engineBar(b.bar);
    b.bar.setTickMajorCount(3);
    top += 1080;
  }
  style::scale(VoltageGuage, 0, 20, {Red, Yellow, Green, Yellow, Red}, {9, 12, 16, 18});
  style::scale(AmpsGuage, -60, 60, {Red, Yellow, Green, Yellow, Red}, {-2, 2, 50, 55});
  style::scale(FuelPresGuage, 0, 10, {Red, Yellow, Green, Yellow, Red}, {2, 3, 9, 9});
  style::scale(FuelFlowGuage, 0, 15, {Red, Yellow, Green, Yellow, Red}, {1, 2, 14, 14});
  style::toolTip("Fuel Flow - Gallons Per Hour", {&FuelFlowLabel, &CHTLabel[8]});
  style::toolTip("Fuel Pressure - PSI", {&FuelPresLabel, &CHTLabel[6]});

  // Cylinders: EGT values above, one colour bar per cylinder, CHT values below.
  iLabelX11.setGeometry(10080, 4560, 4680, 315);
  fixedText(iLabelX11, "EGT");
  iLabelX11.setToolTip("Exhaust Gas Temperature - Deg F");
  for (int i = 0; i <= 5; ++i) {
    const int column = 10080 + i * 780;
    EGTLabel[i].setGeometry(column + 30, 4920, 720, 315);
    value(EGTLabel[i], 9.75);
    EGTLabel[i].setToolTip("Exhaust Gas Temperature - Deg F");
    platform::LinearGauge& bar = CHTGuage[i];
    bar.setGeometry(column + 30, 5280, 720, 2880);
    style::scale(bar, 0, 100);
    style::cylinderBar(bar);
    CHTLabel[i].setGeometry(column + 30, 8220, 720, 315);
    value(CHTLabel[i], 9.75);
    CHTLabel[i].setToolTip("Cylinder Head Temperature - Deg F");
  }
  iLabelX10.setGeometry(10080, 8580, 4680, 315);
  fixedText(iLabelX10, "CHT");
  iLabelX10.setToolTip("Cylinder Head Temperature - Deg F");

  FilePlaybackMode.setGeometry(3600, 9000, 7800, 495);
  FilePlaybackMode.setCaption("FILE PLAYBACK MODE");
  FilePlaybackMode.setBackColor(platform::color::Orange);
  FilePlaybackMode.setFont(style::readoutFont(12));
  FilePlaybackMode.setVisible(false);

  Command1.setCaption("MAIN");
  Command2.setCaption("EFIS");
  Command3.setCaption("GPS");
  Command4.setCaption("ENGINE");
  Command5.setCaption("ADC");
  Command6.setCaption("HIDE");
  style::buttonRow({&Command1, &Command2, &Command3, &Command4, &Command5, &Command6}, 1500, 9720);
}

}  // namespace screens
