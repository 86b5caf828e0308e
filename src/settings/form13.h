#pragma once
// The instrument settings screen: airspeed, vertical speed, G meter and
// angle-of-attack scales, the engine gauge limits, the terrain alert height
// and the Mode C altitude corrections. Its fields are the settings store that
// the instrument screens read.
//
// Layout: the tab strip is a band at the top, one frame per tab below it (all
// four in the same rectangle), the button row at the bottom.

#include "platform/controls.h"
#include "platform/screen.h"

namespace platform {
class Scheduler;
}

namespace settings {

class form13 : public platform::Screen {
 public:
  explicit form13(platform::Scheduler& scheduler);

  // Tabs, counted from 1: "EFIS / AIRSPEED", "ENGINE MARKING", "GPS", "MODE C".
  platform::TabStrip TabStrip1{this, "TabStrip1"};

  // Button row below the tab frames, left to right.
  platform::CommandButton COMMSettingButton{this, "COMMSettingButton"};
  platform::CommandButton ApplyConfigButton{this, "ApplyConfigButton"};
  platform::CommandButton CancelButton{this, "CancelButton"};
  platform::CommandButton ReturnButton{this, "ReturnButton"};

  // ---- "EFIS / AIRSPEED".
  platform::Frame AirspeedMarkingFrame{this, "AirspeedMarkingFrame"};
  // 0 the start of the first colour band, 1 Vs1, 2 Vfe, 3 Vno, 4 Vne,
  // 5 the indicator's maximum.
  platform::ControlArray<platform::TextBox> AirspeedIndicatorSpeed{this, "AirspeedIndicatorSpeed", 0, 5};
  // Colour word of the band that starts at the speed of the same row.
  platform::ControlArray<platform::ComboBox> AirspeedMarkingsColor{this, "AirspeedMarkingsColor", 0, 4};
  // 0 the column head, 1 "Start color" (caption of row 0).
  platform::ControlArray<platform::Label> Label1{this, "Label1", 0, 1};
  // Row captions: 0 "Vs1" to 3 "Vne" for rows 1 to 4; 4 "Maximum" and
  // 5 "Indicator" side by side for row 5.
  platform::ControlArray<platform::Label> Label2{this, "Label2", 0, 5};
  platform::TextBox VerticalIndicatorSpeed{this, "VerticalIndicatorSpeed"};
  platform::TextBox G_Meter_Max{this, "G_Meter_Max"};
  platform::TextBox AOAMaxScale{this, "AOAMaxScale"};
  platform::TextBox AOAMinScale{this, "AOAMinScale"};
  platform::TextBox AOAHighYellow{this, "AOAHighYellow"};
  platform::TextBox AOAHighRed{this, "AOAHighRed"};
  // Captions of the six EFIS fields above, in their order.
  platform::ControlArray<platform::Label> Label3{this, "Label3", 0, 5};
  platform::CheckBox EFIS_FilterDisplay{this, "EFIS_FilterDisplay"};

  // ---- "ENGINE MARKING" (frame "ENGINE MONITOR"): one row per gauge under
  // the columns max scale, red high, yellow high, yellow low, red low, min scale.
  platform::Frame EngineMarkingFrame{this, "EngineMarkingFrame"};
  platform::ControlArray<platform::Label> Label4{this, "Label4", 0, 5};  // column heads
  // Row captions: 0 "MAN PRES", 1 "Oil Temp", 2 "Oil Pres", 3 "Voltage",
  // 4 "AMPS", 5 "FuelPres", 6 "FuelFlow", 7 the left fuel row ("Fuel Left",
  // "Quantity" for a Grand Rapids monitor), 8 "Fuel Right", 9 "CHT", 10 "EGT",
  // 11 "RPM".
  platform::ControlArray<platform::Label> Label5{this, "Label5", 0, 11};
  platform::TextBox ManPresMax{this, "ManPresMax"};
  platform::TextBox ManPresHighRed{this, "ManPresHighRed"};
  platform::TextBox ManPresHighYellow{this, "ManPresHighYellow"};
  platform::TextBox ManPresMin{this, "ManPresMin"};
  // Separates the manifold pressure row; it goes with the rows that only a
  // Dynon monitor has (MAN PRES, AMPS, FuelPres, Fuel Right).
  platform::Line Line1{this, "Line1"};
  platform::TextBox OilTempMax{this, "OilTempMax"};
  platform::TextBox OilTempHighRed{this, "OilTempHighRed"};
  platform::TextBox OilTempHighYellow{this, "OilTempHighYellow"};
  platform::TextBox OilTempLowYellow{this, "OilTempLowYellow"};
  platform::TextBox OilTempLowRED{this, "OilTempLowRED"};
  platform::TextBox OilPresMax{this, "OilPresMax"};
  platform::TextBox OilPresHighRed{this, "OilPresHighRed"};
  platform::TextBox OilPresHighYellow{this, "OilPresHighYellow"};
  platform::TextBox OilPresLowYellow{this, "OilPresLowYellow"};
  platform::TextBox OilPresLowRed{this, "OilPresLowRed"};
  platform::TextBox VoltageMax{this, "VoltageMax"};
  platform::TextBox VoltageHighRed{this, "VoltageHighRed"};
  platform::TextBox VoltageHighYellow{this, "VoltageHighYellow"};
  platform::TextBox VoltageLowYellow{this, "VoltageLowYellow"};
  platform::TextBox VoltageLowRed{this, "VoltageLowRed"};
  platform::TextBox AmpsScaleMax{this, "AmpsScaleMax"};
  platform::TextBox AmpsHighRed{this, "AmpsHighRed"};
  platform::TextBox AmpsHighYellow{this, "AmpsHighYellow"};
  platform::TextBox AmpsLowYellow{this, "AmpsLowYellow"};
  platform::TextBox AmpsLowRed{this, "AmpsLowRed"};
  platform::TextBox FuelPresMax{this, "FuelPresMax"};
  platform::TextBox FuelPresHighRed{this, "FuelPresHighRed"};
  platform::TextBox FuelPresHighYellow{this, "FuelPresHighYellow"};
  platform::TextBox FuelPresLowYellow{this, "FuelPresLowYellow"};
  platform::TextBox FuelPresLowRed{this, "FuelPresLowRed"};
  platform::TextBox FuelFlowMax{this, "FuelFlowMax"};
  platform::TextBox FuelFlowHighRed{this, "FuelFlowHighRed"};
  platform::TextBox FuelFlowHighYellow{this, "FuelFlowHighYellow"};
  platform::TextBox FuelFlowLowYellow{this, "FuelFlowLowYellow"};
  platform::TextBox FuelFlowLowRed{this, "FuelFlowLowRed"};
  platform::TextBox FuelLeftMax{this, "FuelLeftMax"};
  platform::TextBox FuelLeftYellow{this, "FuelLeftYellow"};
  platform::TextBox FuelLeftRed{this, "FuelLeftRed"};
  platform::TextBox FuelRightMax{this, "FuelRightMax"};
  platform::TextBox FuelRightYellow{this, "FuelRightYellow"};
  platform::TextBox FuelRightRed{this, "FuelRightRed"};
  platform::TextBox CHTMax{this, "CHTMax"};
  platform::TextBox CHTHighRed{this, "CHTHighRed"};
  platform::TextBox CHTHighYellow{this, "CHTHighYellow"};
  platform::TextBox CHTMin{this, "CHTMin"};
  platform::TextBox EGTMax{this, "EGTMax"};
  platform::TextBox EGTHighRed{this, "EGTHighRed"};
  platform::TextBox EGTHighYellow{this, "EGTHighYellow"};
  platform::TextBox EGTMin{this, "EGTMin"};
  // The RPM row has its own column heads.
  platform::ControlArray<platform::Label> Label6{this, "Label6", 0, 4};
  platform::TextBox TachMax{this, "TachMax"};
  platform::TextBox TachYellowStart{this, "TachYellowStart"};
  platform::TextBox TachYellowStop{this, "TachYellowStop"};
  platform::TextBox TachHighYellow{this, "TachHighYellow"};
  platform::TextBox TachHighRed{this, "TachHighRed"};
  platform::ControlArray<platform::Label> Label7{this, "Label7", 0, 1};  // "DISPLAY", "CYLINDERS"
  // Element i shows cylinder i + 1 on the engine gauge screens.
  platform::ControlArray<platform::CheckBox> DisplayCylinders{this, "DisplayCylinders", 0, 5};
  platform::CheckBox FilterDisplay{this, "FilterDisplay"};

  // ---- "GPS".
  platform::Frame GPS_Frame{this, "GPS_Frame"};
  platform::ControlArray<platform::Label> Label8{this, "Label8", 0, 1};  // field and lamp captions
  platform::TextBox TerrainAlertAltitude{this, "TerrainAlertAltitude"};
  // Terrain alert lamp: fill colour red while the alert is on.
  platform::Shape TerrainAlertIndicator{this, "TerrainAlertIndicator"};

  // ---- "MODE C".
  platform::Frame ModeCFrame{this, "ModeCFrame"};
  platform::CheckBox ModeCInstalled{this, "ModeCInstalled"};
  // Correction i (feet) applies above -2500 + 2500 * i feet.
  platform::ControlArray<platform::TextBox> ModeCCorrection{this, "ModeCCorrection", 0, 17};
  // Threshold caption of each correction row.
  platform::ControlArray<platform::Label> Label9{this, "Label9", 0, 17};
  // Heads of the two correction columns: threshold, correction, threshold, correction.
  platform::ControlArray<platform::Label> Label11{this, "Label11", 0, 3};
  // Captions of the two altitude readouts and of the valid lamp.
  platform::ControlArray<platform::Label> Label12{this, "Label12", 0, 2};
  platform::Label DataPressureAltitude{this, "DataPressureAltitude"};
  platform::Label ModeCCorrectedAltitude{this, "ModeCCorrectedAltitude"};
  // Code group captions "A1 A2 A4" ... "D1 D2 D4".
  platform::ControlArray<platform::Label> Label10{this, "Label10", 0, 3};
  // One lamp per code bit, A1 A2 A4 B1 B2 B4 C1 C2 C4 D1 D2 D4: fill colour
  // bright green for 1, dark green for 0.
  platform::ControlArray<platform::Shape> ModeCGrayCode{this, "ModeCGrayCode", 0, 11};
  // Code valid lamp, shown through its back colour.
  platform::Shape ModeCValid{this, "ModeCValid"};
};

}  // namespace settings
