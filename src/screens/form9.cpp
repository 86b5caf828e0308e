#include "screens/form9.h"

#include "screens/instrument_style.h"

namespace screens {

namespace {

void readout(platform::AnalogDisplay& d, std::string_view units) {
  d.setUnitsText(units);
  d.setPrecision(0);
  d.setFont(style::readoutFont(16));
}

void value(platform::Label& l) {
  l.setBackColor(platform::color::Black);
  l.setForeColor(platform::color::Aqua);
  l.setFont(style::readoutFont(11));
}

}  // namespace

Form9::Form9(platform::Scheduler& /*scheduler*/) : platform::Screen("Form9", "GPS FLIGHT INSTRUMENT") {
  setSize(14400, 8940);
  setBackColor(platform::color::Black);

  // Three large dials side by side, each with its number readout below.
  AirspeedGuage.setGeometry(240, 120, 4320, 4320);
  AirspeedGuage.setIndicatorMax(240);
  AirspeedGuage.setVne(210);
  AltitudeGuage.setGeometry(5040, 120, 4320, 4320);
  HeadingGuage.setGeometry(9840, 120, 4320, 4320);
  // Knots and feet until the first sentence brings the chosen units.
  AirspeedLabel.setGeometry(1200, 4560, 2400, 555);
  readout(AirspeedLabel, " Kts");
  AltitudeLabel.setGeometry(6000, 4560, 2400, 555);
  readout(AltitudeLabel, " Ft");
  HeadingLabel.setGeometry(10800, 4560, 2400, 555);
  readout(HeadingLabel, " Deg");

  struct Row {
    platform::Label& caption;
    const char* text;
    platform::Label& value;
  };
  const Row rows[] = {{Label1, "LATITUDE", DataLatitude},
                      {Label2, "LONGITUDE", DataLongitude},
                      {Label3, "FIX MODE", GPSFixMode},
                      {Label4, "SATS USED", GPSSatsUsed},
                      {Label5, "SATS IN VIEW", SatellitesInView}};
  int top = 5400;
  for (const Row& r : rows) {
    r.caption.setGeometry(240, top, 1560, 315);
    style::caption(r.caption, r.text, platform::Alignment::Left);
    r.value.setGeometry(1860, top, 2940, 315);
    value(r.value);
    top += 405;
  }
  // The fix light sits at the end of the fix row.
  GPSFixMode.setWidth(2400);
  GPSTrackingLight.setGeometry(4500, GPSFixMode.top() + 60, 195, 195);
  GPSTrackingLight.setShape(platform::ShapeType::Circle);
  GPSTrackingLight.setFillColor(platform::color::Red);

  GPSNoSignal.setGeometry(240, 7440, 4560, 555);
  GPSNoSignal.setCaption("NO SIGNAL");
  GPSNoSignal.setBackColor(platform::color::Black);
  GPSNoSignal.setForeColor(platform::color::Red);
  GPSNoSignal.setAlignment(platform::Alignment::Center);
  GPSNoSignal.setFont(style::readoutFont(16));
  GPSNoSignal.setVisible(false);

  // Satellite bars: coordinates below are inside Frame1.
  Frame1.setGeometry(5040, 5280, 9120, 2640);
  style::panel(Frame1, "SATELLITES");
  for (int i = 0; i <= 11; ++i) {
    platform::LinearGauge& bar = SatelliteStrength[i];
    bar.setContainer(&Frame1);
    bar.setGeometry(370 + i * 740, 360, 480, 1680);
    bar.setPositionMin(0);
    bar.setPositionMax(60);
    bar.setPointerStyle(platform::PointerStyle::ColorBar);
    bar.setPointerColor(platform::color::BrightGreen);
    // Signal strength reads as a bar alone, without graduations.
    bar.setTickMajorCount(0);
    bar.setShowTickLabels(false);
    platform::Label& number = SatelliteNumber[i];
    number.setContainer(&Frame1);
    number.setGeometry(290 + i * 740, 2100, 640, 255);
    number.setBackColor(platform::color::Black);
    number.setForeColor(platform::color::White);
    number.setAlignment(platform::Alignment::Center);
    number.setFont(style::captionFont());
  }

  Command1.setCaption("MAIN");
  Command2.setCaption("EFIS");
  Command3.setCaption("GPS");
  Command4.setCaption("ENGINE");
  Command5.setCaption("ADC");
  Command6.setCaption("HIDE");
  style::buttonRow({&Command1, &Command2, &Command3, &Command4, &Command5, &Command6}, 1200, 8160);
}

}  // namespace screens
