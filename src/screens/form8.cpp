#include "screens/form8.h"

#include <string>

#include "screens/instrument_style.h"

namespace screens {

namespace {

// Tapes and the horizon share one band of the screen.
constexpr int kTapeTop = 1560;
constexpr int kTapeHeight = 5400;
constexpr int kReadoutTop = 7200;

// Top of a 255-high scale label centred on the scale point num/den of the way
// down a tape, whose scale runs kBarScaleInset pixels inside its ends.
int scaleLabelTop(int num, int den) {
  constexpr int inset = platform::kBarScaleInset * 15;
  return kTapeTop + inset + num * (kTapeHeight - 2 * inset) / den - 127;
}

void readout(platform::GaugeLabel& g, std::string_view text) {
  g.setCaption(text);
  g.setFont(style::readoutFont());
}

void readout(platform::AnalogDisplay& d, std::string_view units) {
  d.setUnitsText(units);
  d.setPrecision(1);
  d.setFont(style::readoutFont());
}

void scaleMark(platform::GaugeLabel& g, std::string_view text) {
  g.setCaption(text);
  g.setFont(style::captionFont(8.25));
}

}  // namespace

Form8::Form8(platform::Scheduler& /*scheduler*/) : platform::Screen("Form8", "ARTIFICIAL HORIZON") {
  setSize(14700, 9360);
  setBackColor(platform::color::Black);

  iSlidingCompassX1.setGeometry(3600, 120, 5400, 840);
  HeadingLabel.setGeometry(5700, 1020, 1200, 435);
  readout(HeadingLabel, "000");

  Air1.setGeometry(3600, kTapeTop, 5400, kTapeHeight);
  Air1.setDisplayColor(platform::color::LightAqua);

  // Airspeed: knots until the unit set-up runs. Five bands drawn at their
  // speeds while the tape scrolls around the current airspeed; they carry no
  // colour until the set-up applies the typed colour words.
  AirspeedUnits.setGeometry(240, 1020, 1560, 315);
  AirspeedUnits.setCaption("Knots");
  AirspeedUnits.setToolTip("Knots - Nautical miles per hour");
  AirspeedUnits.setFont(style::captionFont());
  AirspeedGuage.setGeometry(360, kTapeTop, 1320, kTapeHeight);
  AirspeedGuage.setMovingScale(true);
  AirspeedGuage.setPositionMin(-15);
  AirspeedGuage.setPositionMax(15);
  AirspeedGuage.setTickMajorCount(7);
  AirspeedGuage.setSectionCount(5);
  const double airspeedEnds[] = {60, 80, 140, 210};
  for (int i = 1; i <= 5; ++i) AirspeedGuage.setSectionColor(i, 0);
  for (int i = 1; i <= 4; ++i) AirspeedGuage.setSectionEnd(i, airspeedEnds[i - 1]);
  AirspeedLabel.setGeometry(240, kReadoutTop, 1560, 495);
  readout(AirspeedLabel, "0");

  // G meter: a 7 G span from -2 to 5, one scale label per G.
  Label1.setGeometry(2040, 1020, 1260, 315);
  style::caption(Label1, "G");
  VerticalGs.setGeometry(2040, kTapeTop, 600, kTapeHeight);
  VerticalGs.setPositionMin(-2);
  VerticalGs.setPositionMax(5);
  VerticalGs.setTickMajorCount(8);
  VerticalGs.setShowTickLabels(false);
  for (int j = 0; j <= 7; ++j) {
    VertSpeedLabel[j].setGeometry(2700, scaleLabelTop(7 - j, 7), 600, 255);
    scaleMark(VertSpeedLabel[j], std::to_string(j - 2));
  }
  VerticalGs_Label.setGeometry(1920, kReadoutTop, 1560, 495);
  readout(VerticalGs_Label, "");

  Label2.setGeometry(9060, 1020, 1440, 315);
  style::caption(Label2, "AOA");
  AOAGuage.setGeometry(9480, kTapeTop, 600, kTapeHeight);
  // A bar filled up to the angle in its warning colour.
  AOAGuage.setPositionMin(15);
  AOAGuage.setPositionMax(40);
  AOAGuage.setPointerStyle(platform::PointerStyle::ColorBar);
  AOAGuage.setPointerColor(platform::color::Green);
  AOAGuage_Label.setGeometry(9060, kReadoutTop, 1440, 495);
  readout(AOAGuage_Label, "");

  // Altitude panel: coordinates below are inside Frame1.
  Frame1.setGeometry(10560, 1020, 2040, 6675);
  style::panel(Frame1, "", false);
  AltitudeUnits.setContainer(&Frame1);
  AltitudeUnits.setGeometry(240, 0, 1560, 315);
  AltitudeUnits.setCaption("Feet");
  AltitudeUnits.setToolTip("Feet");
  AltitudeUnits.setFont(style::captionFont());
  AltitudeGuage.setContainer(&Frame1);
  AltitudeGuage.setGeometry(360, kTapeTop - 1020, 1320, kTapeHeight);
  AltitudeGuage.setMovingScale(true);
  AltitudeGuage.setPositionMin(-1000);
  AltitudeGuage.setPositionMax(1000);
  AltitudeGuage.setTickMajorCount(5);
  AltitudeLabel.setContainer(&Frame1);
  AltitudeLabel.setGeometry(480, kReadoutTop - 1020, 1440, 495);
  readout(AltitudeLabel, "0");

  // Vertical speed: +-2000 with marks at full and half scale.
  Label3.setGeometry(12720, 1020, 1440, 315);
  style::caption(Label3, "VSI");
  VerticalSpeedGuage.setGeometry(12840, kTapeTop, 600, kTapeHeight);
  VerticalSpeedGuage.setPositionMin(-2000);
  VerticalSpeedGuage.setPositionMax(2000);
  VerticalSpeedGuage.setTickMajorCount(5);
  VerticalSpeedGuage.setShowTickLabels(false);
  VertSpdMax[0].setGeometry(13500, scaleLabelTop(0, 4), 720, 255);
  VertSpdMid[0].setGeometry(13500, scaleLabelTop(1, 4), 720, 255);
  VertSpdMid[1].setGeometry(13500, scaleLabelTop(3, 4), 720, 255);
  VertSpdMax[1].setGeometry(13500, scaleLabelTop(4, 4), 720, 255);
  for (int i = 0; i <= 1; ++i) {
    scaleMark(VertSpdMax[i], "2000");
    scaleMark(VertSpdMid[i], "1000");
  }
  // Widest readout: up to five digits, a decimal and the units.
  VerticalSpeedGuage_Label.setGeometry(12660, kReadoutTop, 1920, 495);
  readout(VerticalSpeedGuage_Label, "Ft/m");
  VerticalSpeedGuage_Label.setFont(style::readoutFont(12));

  FilePlaybackMode.setGeometry(3600, 7860, 5400, 555);
  FilePlaybackMode.setCaption("CHECK ALTITUDE");
  FilePlaybackMode.setBackColor(platform::color::Red);
  FilePlaybackMode.setFont(style::readoutFont(12));
  FilePlaybackMode.setVisible(false);

  Command1.setCaption("MAIN");
  Command2.setCaption("GPS");
  Command3.setCaption("ENGINE");
  Command4.setCaption("EFIS");
  Command5.setCaption("ADC");
  Command6.setCaption("HIDE");
  style::buttonRow({&Command1, &Command2, &Command3, &Command4, &Command5, &Command6}, 1350, 8580);
}

}  // namespace screens
