#include "screens/form11.h"

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

void scaleMark(platform::GaugeLabel& g, std::string_view text) {
  g.setCaption(text);
  g.setFont(style::captionFont(8.25));
}

}  // namespace

Form11::Form11(platform::Scheduler& /*scheduler*/)
    : platform::Screen("Form11", "GRAND RAPIDS ENGINE MONITOR") {
  setSize(15000, 9420);
  setBackColor(platform::color::Black);

  // Flight dials fed by the engine monitor; the speed marks until the set-up
  // runs are those of the instrument settings' defaults.
  AirspeedGuage.setGeometry(240, 120, 3600, 3600);
  AirspeedGuage.setToolTip("Airspeed from GR");
  AirspeedGuage.setIndicatorMax(240);
  AirspeedGuage.setVne(210);
  AirspeedGuage.setVno(140);
  AirspeedGuage.setVfe(80);
  AirspeedGuage.setVs1(60);
  AirspeedLabel.setGeometry(840, 3780, 2400, 435);
  value(AirspeedLabel, 14);
  AltitudeGuage.setGeometry(4080, 120, 3600, 3600);
  AltitudeGuage.setToolTip("Altitude and Berometer setting from GR");
  AltitudeLabel.setGeometry(4680, 3780, 2400, 435);
  value(AltitudeLabel, 14);

  // Rate of climb: +-2000 with marks at full and half scale.
  constexpr int kTapeTop = 600;
  constexpr int kTapeHeight = 3060;
  VertLabel.setGeometry(7860, 120, 1680, 315);
  fixedText(VertLabel, "VERT");
  VerticalSpeedGuage.setGeometry(7980, kTapeTop, 600, kTapeHeight);
  style::scale(VerticalSpeedGuage, -2000, 2000);
  VerticalSpeedGuage.setTickMajorCount(5);
  VerticalSpeedGuage.setShowTickLabels(false);
  VerticalSpeedGuage.setAdditionalPointerColor(1, style::kSameValueMarker);
  // Marks centred on the scale points, kBarScaleInset pixels inside the bar's ends.
  constexpr int inset = platform::kBarScaleInset * 15;
  const auto markTop = [&](int quarter) {
    return kTapeTop + inset + quarter * (kTapeHeight - 2 * inset) / 4 - 127;
  };
  VertSpdMax[0].setGeometry(8640, markTop(0), 720, 255);
  VertSpdMid[0].setGeometry(8640, markTop(1), 720, 255);
  VertSpdMid[1].setGeometry(8640, markTop(3), 720, 255);
  VertSpdMax[1].setGeometry(8640, markTop(4), 720, 255);
  for (int i = 0; i <= 1; ++i) {
    scaleMark(VertSpdMax[i], "2000");
    scaleMark(VertSpdMid[i], "1000");
  }
  VerticalSpeedLabel.setGeometry(7860, 3840, 1680, 435);
  value(VerticalSpeedLabel);

  // Cylinders: EGT values above, one colour bar per cylinder, CHT values below.
  iLabelX11.setGeometry(9840, 120, 4920, 315);
  fixedText(iLabelX11, "EGT");
  for (int i = 0; i <= 5; ++i) {
    const int column = 9840 + i * 820;
    EGTLabel[i].setGeometry(column + 50, 480, 720, 315);
    value(EGTLabel[i], 9.75);
    platform::LinearGauge& bar = CHTGuage[i];
    bar.setGeometry(column + 40, 840, 740, 2520);
    style::scale(bar, 0, 100);
    style::cylinderBar(bar);
    CHTLabel[i].setGeometry(column + 50, 3420, 720, 315);
    value(CHTLabel[i], 9.75);
  }
  iLabelX10.setGeometry(9840, 3780, 4920, 315);
  fixedText(iLabelX10, "CHT");

  // Second row: three dials, each with its value and caption below.
  struct DialColumn {
    platform::AngularGauge& dial;
    platform::Control& value;
    platform::GaugeLabel& caption;
    const char* text;
  };
  const DialColumn dials[] = {{TachGuage, TachLabel, iLabelX2, "RPM"},
                              {OilPresGuage, OilPresLabel, iLabelX4, "OIL PRES"},
                              {OilTempGuage, OilTempLabel, iLabelX7, "OIL TEMP"}};
  int left = 240;
  for (const DialColumn& d : dials) {
    d.dial.setGeometry(left, 4440, 3000, 3000);
    d.value.setGeometry(left + 300, 7500, 2400, 495);
    d.caption.setGeometry(left + 300, 8040, 2400, 315);
    fixedText(d.caption, d.text);
    left += 3240;
  }
  style::scale(TachGuage, 0, 3000, {style::kSeaGreen, Yellow, Green, Yellow, Red}, {2100, 2200, 2650, 2700});
  style::scale(OilPresGuage, 0, 100, {Red, Yellow, Green, Yellow, Red}, {15, 25, 80, 99});
  style::scale(OilTempGuage, 0, 300, {Red, Yellow, Green, Yellow, Red}, {60, 120, 260, 280});
  OilTempGuage.setReverseScale(true);
  TachLabel.setPrecision(0);
  TachLabel.setFont(style::readoutFont());
  value(OilPresLabel, 14);
  value(OilTempLabel, 14);

  // Bars: caption and value on one line, the bar across the whole column
  // below them; the fuel rows under their group caption.
  struct BarRow {
    platform::GaugeLabel& caption;
    const char* text;
    platform::LinearGauge& bar;
    platform::GaugeLabel& value;
    int top;
  };
  const BarRow bars[] = {{CHTLabel[7], "VOLTS", VoltageGuage, VoltageLabel, 4440},
                         {CHTLabel[8], "FLOW", FuelFlowGuage, FuelFlowLabel, 5940},
                         {iLabelX3, "QUANTITY", FuelQtyGuage, FuelQtyLabel, 7020}};
  for (const BarRow& b : bars) {
    b.caption.setGeometry(9960, b.top + 45, 1800, 315);
    fixedText(b.caption, b.text);
    b.caption.setAlignment(platform::Alignment::Left);
    b.value.setGeometry(13080, b.top, 1680, 405);
    value(b.value);
    b.value.setAlignment(platform::Alignment::Right);
    b.bar.setGeometry(9960, b.top + 420, 4800, 600);
    style::engineBar(b.bar);
    b.bar.setTickMajorCount(3);
  }
  iLabelX8.setGeometry(9960, 5580, 4800, 315);
  fixedText(iLabelX8, "FUEL");
  style::scale(VoltageGuage, 0, 20, {Red, Yellow, Green, Yellow, Red}, {9, 12, 16, 18});
  style::scale(FuelFlowGuage, 0, 15, {Red, Yellow, Green, Yellow, Red}, {1, 2, 14, 14});
  style::scale(FuelQtyGuage, 0, 15, {Red, Yellow, Green}, {1, 2});

  Command1.setCaption("MAIN");
  Command2.setCaption("EFIS");
  Command3.setCaption("GPS");
  Command4.setCaption("ENGINE");
  Command5.setCaption("MAIN");
  Command5.setToolTip("Return to MAIN screen");
  Command6.setCaption("HIDE");
  Command7.setCaption("ADC");
  style::buttonRow({&Command1, &Command2, &Command3, &Command4, &Command5, &Command6, &Command7}, 480, 8640);
}

}  // namespace screens
