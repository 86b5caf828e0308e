#include "screens/form12.h"

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

// Nothing feeds the value labels: they start empty rather than with a "0"
// that would read as a measurement.
void value(platform::GaugeLabel& g) {
  g.setCaption("");
  g.setFont(style::readoutFont(14));
}

}  // namespace

form12::form12(platform::Scheduler& /*scheduler*/) : platform::Screen("form12", "G Z FORMAT") {
  setSize(14400, 9000);
  setBackColor(platform::color::Black);

  // Four dials in two rows; the speed marks until the set-up runs are those of
  // the instrument settings' defaults.
  AirspeedGuage.setGeometry(240, 120, 3600, 3600);
  AirspeedGuage.setToolTip("Airspeed from GR");
  AirspeedGuage.setIndicatorMax(240);
  AirspeedGuage.setVne(210);
  AirspeedGuage.setVno(140);
  AirspeedGuage.setVfe(80);
  AirspeedGuage.setVs1(60);
  AirspeedLabel.setGeometry(840, 3780, 2400, 435);
  value(AirspeedLabel);
  AltitudeGuage.setGeometry(4080, 120, 3600, 3600);
  AltitudeGuage.setToolTip("Altitude and Berometer setting from GR");
  AltitudeLabel.setGeometry(4680, 3780, 2400, 435);
  value(AltitudeLabel);
  Air1.setGeometry(240, 4380, 3600, 3600);
  Air1.setToolTip("Altitude and Berometer setting from GR");
  Air2.setGeometry(4080, 4380, 3600, 3600);
  Air2.setTitle("CLIMB");
  Air2.setSubtitle("100 ft/min");

  // Fuel: two tall bars side by side.
  iLabelX8.setGeometry(7920, 120, 6240, 315);
  fixedText(iLabelX8, "FUEL");
  FuelQtyGuage.setGeometry(9000, 600, 960, 6240);
  style::scale(FuelQtyGuage, 0, 15, {Red, Yellow, Green}, {1, 2});
  FuelQtyGuage.setAdditionalPointerColor(1, style::kSameValueMarker);
  iLabelX3.setGeometry(8280, 6960, 2400, 315);
  fixedText(iLabelX3, "QUANTITY");
  FuelQtyLabel.setGeometry(8280, 7320, 2400, 435);
  value(FuelQtyLabel);
  FuelFlowGuage.setGeometry(12120, 600, 960, 6240);
  style::scale(FuelFlowGuage, 0, 15, {Red, Yellow, Green, Yellow, Red}, {1, 2, 14, 14});
  FuelFlowGuage.setAdditionalPointerColor(1, style::kSameValueMarker);
  CHTLabel[8].setGeometry(11400, 6960, 2400, 315);
  fixedText(CHTLabel[8], "FLOW");
  FuelFlowLabel.setGeometry(11400, 7320, 2400, 435);
  value(FuelFlowLabel);

  Command1.setCaption("MAIN");
  Command2.setCaption("EFIS");
  Command3.setCaption("GPS");
  Command4.setCaption("ENGINE");
  Command5.setCaption("MAIN");
  Command5.setToolTip("Return to MAIN screen");
  Command6.setCaption("HIDE");
  Command7.setCaption("ADC");
  style::buttonRow({&Command1, &Command2, &Command3, &Command4, &Command5, &Command6, &Command7}, 180, 8280);
}

}  // namespace screens
