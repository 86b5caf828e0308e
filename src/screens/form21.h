#pragma once
// The NMEA sentence screen: one frame per standard sentence with a caption and
// a value per field (the values are also the store the GPS decoder reads
// back), the sentence activity lights, the satellite sky plot and the doors to
// the Garmin sentence screen, the GPS instruments and back.

#include "platform/controls.h"
#include "platform/screen.h"

namespace platform {
class Scheduler;
}

namespace screens {

class form21 : public platform::Screen {
 public:
  explicit form21(platform::Scheduler& scheduler);

  // Sentence frames: GGA fix data, RMC fix data, GSA DOP and active
  // satellites, VTG velocity, BOD bearing, and the GSV satellites frame.
  platform::Frame Frame1{this, "Frame1"};
  platform::Frame Frame2{this, "Frame2"};
  platform::Frame Frame3{this, "Frame3"};
  platform::Frame Frame4{this, "Frame4"};
  platform::Frame Frame5{this, "Frame5"};
  platform::Frame GPSSVFrame{this, "GPSSVFrame"};

  // Field captions. GSA: Label1 (satellites used), Label2-Label6.
  platform::Label Label1{this, "Label1"};
  platform::Label Label2{this, "Label2"};
  platform::Label Label3{this, "Label3"};
  platform::Label Label4{this, "Label4"};
  platform::Label Label5{this, "Label5"};
  platform::Label Label6{this, "Label6"};
  // RMC.
  platform::Label Label7{this, "Label7"};
  platform::Label Label8{this, "Label8"};
  platform::Label Label9{this, "Label9"};
  platform::Label Label10{this, "Label10"};
  platform::Label Label11{this, "Label11"};
  platform::Label Label12{this, "Label12"};
  platform::Label Label13{this, "Label13"};
  platform::Label Label14{this, "Label14"};
  // GSV: satellites in view, sentences, display choice.
  platform::Label Label15{this, "Label15"};
  platform::Label Label16{this, "Label16"};
  platform::Label Label17{this, "Label17"};
  // GGA; Label25 is the geoid height.
  platform::Label Label18{this, "Label18"};
  platform::Label Label19{this, "Label19"};
  platform::Label Label20{this, "Label20"};
  platform::Label Label21{this, "Label21"};
  platform::Label Label22{this, "Label22"};
  platform::Label Label23{this, "Label23"};
  platform::Label Label24{this, "Label24"};
  platform::Label Label25{this, "Label25"};
  // VTG.
  platform::Label Label26{this, "Label26"};
  platform::Label Label27{this, "Label27"};
  platform::Label Label28{this, "Label28"};
  platform::Label Label29{this, "Label29"};
  // BOD.
  platform::Label Label30{this, "Label30"};
  platform::Label Label31{this, "Label31"};
  platform::Label Label32{this, "Label32"};
  platform::Label Label33{this, "Label33"};

  // GGA values.
  platform::Label GPGGAFixTime{this, "GPGGAFixTime"};
  platform::Label GPGGALatitude{this, "GPGGALatitude"};
  platform::Label GPGGALongitude{this, "GPGGALongitude"};
  platform::Label GPGGAFixType{this, "GPGGAFixType"};
  platform::Label GPGGASatelliteTracked{this, "GPGGASatelliteTracked"};
  platform::Label GPGGAHorizonDilution{this, "GPGGAHorizonDilution"};
  platform::Label GPGGAAltitude{this, "GPGGAAltitude"};
  platform::Label GPGGAGeoidHeight{this, "GPGGAGeoidHeight"};
  // RMC values.
  platform::Label GPRMCFixTime{this, "GPRMCFixTime"};
  platform::Label GPRMCStatus{this, "GPRMCStatus"};
  platform::Label GPRMCLatitude{this, "GPRMCLatitude"};
  platform::Label GPRMCLongitude{this, "GPRMCLongitude"};
  platform::Label GPRMCSpeed{this, "GPRMCSpeed"};
  platform::Label GPRMCTrack{this, "GPRMCTrack"};
  platform::Label GPRMCFixDate{this, "GPRMCFixDate"};
  platform::Label GPRMCMagVariation{this, "GPRMCMagVariation"};
  // GSA values (no sentence writes them).
  platform::Label GPGSA_Selection{this, "GPGSA_Selection"};
  platform::Label GPGSA_Fix{this, "GPGSA_Fix"};
  platform::Label GPSPRNUsed{this, "GPSPRNUsed"};
  platform::Label GPSPDOP{this, "GPSPDOP"};
  platform::Label GPSHorizonDilution_GPGSA{this, "GPSHorizonDilution_GPGSA"};
  platform::Label GPSVerticalDilution_GPGSA{this, "GPSVerticalDilution_GPGSA"};
  // VTG values.
  platform::Label GPVTG_TrueTrack{this, "GPVTG_TrueTrack"};
  platform::Label GPVTG_MagneticTrack{this, "GPVTG_MagneticTrack"};
  platform::Label GPVTG_SpeedKnots{this, "GPVTG_SpeedKnots"};
  platform::Label GPVTG_SpeedKPH{this, "GPVTG_SpeedKPH"};
  // BOD values.
  platform::Label GPBODTrue{this, "GPBODTrue"};
  platform::Label GPBODMagnetic{this, "GPBODMagnetic"};
  platform::Label GPBODStartWaypoint{this, "GPBODStartWaypoint"};
  platform::Label GPBODDestWaypoint{this, "GPBODDestWaypoint"};
  // GSV values.
  platform::Label GPGSVNumberSatellites{this, "GPGSVNumberSatellites"};
  platform::Label GPGSVSentenances{this, "GPGSVSentenances"};

  // Sentence activity lights (dark green idle, bright green active).
  platform::Shape ComOK_GPGGA{this, "ComOK_GPGGA"};
  platform::Shape ComOK_GPRMC{this, "ComOK_GPRMC"};
  platform::Shape ComOK_GPGSA{this, "ComOK_GPGSA"};
  platform::Shape ComOK_GPVTG{this, "ComOK_GPVTG"};
  platform::Shape ComOK_GPBOD{this, "ComOK_GPBOD"};
  platform::Shape ComOK_GPGSV{this, "ComOK_GPGSV"};

  // Marker kind of the sky plot: 0 "SNR #" pictures by signal strength,
  // 1 "SAT #" and 2 "FIX" satellite numbers.
  platform::ControlArray<platform::OptionButton> SatDisplay{this, "SatDisplay", 0, 2};

  // Sky plot background, drawn under the markers: the horizon, the 30 and 60
  // degree elevation rings, the north-south and east-west lines.
  platform::Shape Shape1{this, "Shape1"};
  platform::Shape Shape2{this, "Shape2"};
  platform::Shape Shape3{this, "Shape3"};
  platform::Line Line1{this, "Line1"};
  platform::Line Line2{this, "Line2"};
  // Compass points on the plot: N, E, S, W.
  platform::Label Label34{this, "Label34"};
  platform::Label Label35{this, "Label35"};
  platform::Label Label36{this, "Label36"};
  platform::Label Label37{this, "Label37"};

  // Satellite markers, placed by azimuth and elevation (twips within the
  // satellites frame). Index 0 and 50 are never drawn.
  platform::ControlArray<platform::Image> Sat_Green{this, "Sat_Green", 0, 50};
  platform::ControlArray<platform::Label> GPS_SV_Number{this, "GPS_SV_Number", 0, 49};

  platform::CommandButton Command1{this, "Command1"};  // to the Garmin sentence screen
  platform::CommandButton ShowGPSInstrumentsScreen{this, "ShowGPSInstrumentsScreen"};
  platform::CommandButton ReturnButton{this, "ReturnButton"};
};

}  // namespace screens
