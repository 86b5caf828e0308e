#pragma once
// The Grand Rapids engine data screen: the current Grand Rapids values as
// text, shown as received (the captions are also the store the recorder and
// the gauge set-up read back), the engine link light, the loaded engine file's
// name and record count, and the doors back and to the engine gauges.

#include "platform/controls.h"
#include "platform/screen.h"

namespace platform {
class Scheduler;
}

namespace screens {

class Form5 : public platform::Screen {
 public:
  explicit Form5(platform::Scheduler& scheduler);

  // Frames: flight values, engine values, fuel, miscellaneous inputs and the
  // loaded engine file.
  platform::Frame Frame1{this, "Frame1"};
  platform::Frame Frame2{this, "Frame2"};
  platform::Frame Frame3{this, "Frame3"};
  platform::Frame Frame4{this, "Frame4"};
  platform::Frame Frame5{this, "Frame5"};

  // Headings of the flight frame: OAT TEMP, ROC, BARO, INT TEMP, AIRSPEED, ALTITUDE.
  platform::Label Label1{this, "Label1"};
  platform::Label Label2{this, "Label2"};
  platform::Label Label3{this, "Label3"};
  platform::Label Label4{this, "Label4"};
  platform::Label Label5{this, "Label5"};
  platform::Label Label6{this, "Label6"};
  // Headings of the fuel frame (two lines): FUEL FLOW, REMAIN, TIME REMAIN.
  platform::Label Label7{this, "Label7"};
  platform::Label Label8{this, "Label8"};
  platform::Label Label9{this, "Label9"};
  platform::Label Label10{this, "Label10"};
  platform::Label Label11{this, "Label11"};
  // Headings of the engine frame (up to two lines), CHT, EGT, cylinders 1-6.
  platform::Label Label12{this, "Label12"};
  platform::Label Label13{this, "Label13"};
  platform::Label Label14{this, "Label14"};
  platform::Label Label15{this, "Label15"};
  platform::Label Label16{this, "Label16"};
  platform::Label Label17{this, "Label17"};
  platform::Label Label18{this, "Label18"};
  platform::Label Label19{this, "Label19"};
  platform::Label Label20{this, "Label20"};
  platform::Label Label21{this, "Label21"};
  platform::Label Label22{this, "Label22"};
  platform::Label Label23{this, "Label23"};
  platform::Label Label24{this, "Label24"};
  platform::Label Label25{this, "Label25"};
  platform::Label Label26{this, "Label26"};
  platform::Label Label27{this, "Label27"};
  platform::Label Label28{this, "Label28"};
  platform::Label Label29{this, "Label29"};
  platform::Label Label30{this, "Label30"};
  platform::Label Label31{this, "Label31"};
  platform::Label Label32{this, "Label32"};
  // Headings of the miscellaneous frame: HEADER, AUX 1 to AUX 6.
  platform::Label Label33{this, "Label33"};
  platform::Label Label34{this, "Label34"};
  platform::Label Label35{this, "Label35"};
  platform::Label Label36{this, "Label36"};
  platform::Label Label37{this, "Label37"};
  platform::Label Label38{this, "Label38"};
  platform::Label Label39{this, "Label39"};
  // Caption of the loaded file's record count.
  platform::Label Label40{this, "Label40"};

  // Flight values.
  platform::Label GROAT{this, "GROAT"};
  platform::Label GRROC{this, "GRROC"};
  platform::Label GRBaroSetting{this, "GRBaroSetting"};
  platform::Label GRUnitTemperature{this, "GRUnitTemperature"};
  platform::Label GRAirspeed{this, "GRAirspeed"};
  platform::Label GRAltitude{this, "GRAltitude"};

  // Engine values.
  platform::Label GRTime{this, "GRTime"};
  platform::Label GRHourMeter{this, "GRHourMeter"};
  platform::Label GROilTemp{this, "GROilTemp"};
  platform::Label GROilPres{this, "GROilPres"};
  platform::Label GRRPM1{this, "GRRPM1"};
  platform::Label GRRPM2{this, "GRRPM2"};
  platform::Label GRCarbTemp{this, "GRCarbTemp"};
  platform::Label GRVoltage{this, "GRVoltage"};
  platform::Label GRCoolantTemp{this, "GRCoolantTemp"};
  platform::Label GRCHT1{this, "GRCHT1"};
  platform::Label GRCHT2{this, "GRCHT2"};
  platform::Label GRCHT3{this, "GRCHT3"};
  platform::Label GRCHT4{this, "GRCHT4"};
  platform::Label GRCHT5{this, "GRCHT5"};
  platform::Label GRCHT6{this, "GRCHT6"};
  platform::Label GREGT1{this, "GREGT1"};
  platform::Label GREGT2{this, "GREGT2"};
  platform::Label GREGT3{this, "GREGT3"};
  platform::Label GREGT4{this, "GREGT4"};
  platform::Label GREGT5{this, "GREGT5"};
  platform::Label GREGT6{this, "GREGT6"};

  // Fuel values.
  platform::Label GRFuelFlow{this, "GRFuelFlow"};
  platform::Label GRFuelQuantity{this, "GRFuelQuantity"};
  platform::Label GRTimeRemaining{this, "GRTimeRemaining"};

  // Frame header text and auxiliary inputs.
  platform::Label HeaderType{this, "HeaderType"};
  platform::Label GRAux1{this, "GRAux1"};
  platform::Label GRAux2{this, "GRAux2"};
  platform::Label GRAux3{this, "GRAux3"};
  platform::Label GRAux4{this, "GRAux4"};
  platform::Label GRAux5{this, "GRAux5"};
  platform::Label GRAux6{this, "GRAux6"};

  // Engine link light: lit by its back colour while engine data arrive.
  platform::Shape GRValidHeader{this, "GRValidHeader"};

  // The loaded engine file (Grand Rapids data is not played back).
  platform::Label DataFileName{this, "DataFileName"};
  platform::Label RecordCount{this, "RecordCount"};
  platform::Slider DataPointerSlider{this, "DataPointerSlider"};

  platform::CommandButton Command1{this, "Command1"};  // RETURN
  platform::CommandButton Command4{this, "Command4"};  // ENGINE INSTRUMENTS
};

}  // namespace screens
