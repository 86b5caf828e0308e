#pragma once
// The Garmin sentence screen: one frame per Garmin sentence with a caption and
// a value per field (the values are also the store the GPS decoder reads
// back), the sentence activity lights, the sensor status lamps and the doors
// to the NMEA sentence screen, the GPS instruments and back.

#include "platform/controls.h"
#include "platform/screen.h"

namespace platform {
class Scheduler;
}

namespace screens {

class form20 : public platform::Screen {
 public:
  explicit form20(platform::Scheduler& scheduler);

  // Sentence frames: fix data, estimated error, altitude, 3D velocity,
  // aviation height, map datum, DGPS beacon, sensor status.
  platform::Frame Frame1{this, "Frame1"};
  platform::Frame Frame2{this, "Frame2"};
  platform::Frame Frame3{this, "Frame3"};
  platform::Frame Frame4{this, "Frame4"};
  platform::Frame Frame5{this, "Frame5"};
  platform::Frame Frame6{this, "Frame6"};
  platform::Frame Frame7{this, "Frame7"};
  platform::Frame Frame8{this, "Frame8"};

  // Field captions, frame by frame in the order above; the last seven name
  // the sensor status lamps.
  platform::Label Label1{this, "Label1"};
  platform::Label Label2{this, "Label2"};
  platform::Label Label3{this, "Label3"};
  platform::Label Label4{this, "Label4"};
  platform::Label Label5{this, "Label5"};
  platform::Label Label6{this, "Label6"};
  platform::Label Label7{this, "Label7"};
  platform::Label Label8{this, "Label8"};
  platform::Label Label9{this, "Label9"};
  platform::Label Label10{this, "Label10"};
  platform::Label Label11{this, "Label11"};
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
  platform::Label Label33{this, "Label33"};
  platform::Label Label34{this, "Label34"};
  platform::Label Label35{this, "Label35"};
  platform::Label Label36{this, "Label36"};
  platform::Label Label37{this, "Label37"};
  platform::Label Label38{this, "Label38"};
  platform::Label Label39{this, "Label39"};
  platform::Label Label40{this, "Label40"};
  platform::Label Label41{this, "Label41"};
  platform::Label Label42{this, "Label42"};
  platform::Label Label43{this, "Label43"};
  platform::Label Label44{this, "Label44"};
  platform::Label Label45{this, "Label45"};
  platform::Label Label46{this, "Label46"};
  platform::Label Label47{this, "Label47"};
  platform::Label Label48{this, "Label48"};
  platform::Label Label49{this, "Label49"};

  // Fix data.
  platform::Label GPSUTCTime{this, "GPSUTCTime"};
  platform::Label GPSUTCDate{this, "GPSUTCDate"};
  platform::Label GPSLatitude{this, "GPSLatitude"};
  platform::Label GPSHemisphereNS{this, "GPSHemisphereNS"};
  platform::Label GPSLongitude{this, "GPSLongitude"};
  platform::Label GPSHemisphereEW{this, "GPSHemisphereEW"};
  platform::Label GPSMode{this, "GPSMode"};
  platform::Label GPSFixType{this, "GPSFixType"};
  platform::Label GPSSpeed{this, "GPSSpeed"};
  platform::Label GPSCourse{this, "GPSCourse"};
  platform::Label GPSPDP{this, "GPSPDP"};
  platform::Label GPSTDP{this, "GPSTDP"};
  platform::Label GPSWeekNumber{this, "GPSWeekNumber"};
  platform::Label GPSSecondsNumber{this, "GPSSecondsNumber"};
  platform::Label GPSLeapSecondCount{this, "GPSLeapSecondCount"};
  // Estimated error.
  platform::Label GPSHorizontalError{this, "GPSHorizontalError"};
  platform::Label GPSVerticalError{this, "GPSVerticalError"};
  platform::Label GPSPositionError{this, "GPSPositionError"};
  // Altitude.
  platform::Label GPSAltitude{this, "GPSAltitude"};
  platform::Label GPSAltitudeFixType{this, "GPSAltitudeFixType"};
  // 3D velocity.
  platform::Label GPSEastVelocity{this, "GPSEastVelocity"};
  platform::Label GPSNorthVelocity{this, "GPSNorthVelocity"};
  platform::Label GPSUpVelocity{this, "GPSUpVelocity"};
  // Aviation height and VNAV data.
  platform::Label GPSDataStatus{this, "GPSDataStatus"};
  platform::Label GPSVerticalSpeed{this, "GPSVerticalSpeed"};
  platform::Label GPSVertSpeedToWayPoint{this, "GPSVertSpeedToWayPoint"};
  platform::Label GPSVertSpeedToTarget{this, "GPSVertSpeedToTarget"};
  platform::Label GPSProfileError{this, "GPSProfileError"};
  platform::Label GPSEstAGL{this, "GPSEstAGL"};
  platform::Label GPSDesiredTrack{this, "GPSDesiredTrack"};
  platform::Label GPSNextTrack{this, "GPSNextTrack"};
  // Map datum.
  platform::Label GPSMapDatum{this, "GPSMapDatum"};
  // DGPS beacon.
  platform::Label GPSBeaconFreq{this, "GPSBeaconFreq"};
  platform::Label GPSBeaconBitRate{this, "GPSBeaconBitRate"};
  platform::Label GPSBeaconSNR{this, "GPSBeaconSNR"};
  platform::Label GPSBeaconDistance{this, "GPSBeaconDistance"};
  platform::Label GPSBeaconStatus{this, "GPSBeaconStatus"};
  platform::Label GPSBeaconSource{this, "GPSBeaconSource"};
  platform::Label GPSBeaconDataQuality{this, "GPSBeaconDataQuality"};
  platform::Label GPSBeaconMode{this, "GPSBeaconMode"};
  // Sensor status: model, temperature and the status lamps.
  platform::Label GPS_Model{this, "GPS_Model"};
  platform::Label GPSSensorTemperature{this, "GPSSensorTemperature"};
  platform::Shape LightROMChecksum{this, "LightROMChecksum"};
  platform::Shape LightReceiver{this, "LightReceiver"};
  platform::Shape LightStored{this, "LightStored"};
  platform::Shape LightClock{this, "LightClock"};
  platform::Shape LightOscDrift{this, "LightOscDrift"};
  platform::Shape LightDataCollection{this, "LightDataCollection"};
  platform::Shape LightConfiguration{this, "LightConfiguration"};

  // Sentence activity lights (dark green idle, bright green active); the fix
  // data light is named for the frame's caption.
  platform::Shape ComOK_PGRMP{this, "ComOK_PGRMP"};
  platform::Shape ComOK_PGRME{this, "ComOK_PGRME"};
  platform::Shape ComOK_PGRMZ{this, "ComOK_PGRMZ"};
  platform::Shape ComOK_PGRMV{this, "ComOK_PGRMV"};
  platform::Shape ComOK_PGRMH{this, "ComOK_PGRMH"};
  platform::Shape ComOK_PGRMM{this, "ComOK_PGRMM"};
  platform::Shape ComOK_PGRMB{this, "ComOK_PGRMB"};

  platform::CommandButton Command1{this, "Command1"};  // to the NMEA sentence screen
  platform::CommandButton ShowGPSInstrumentsScreen{this, "ShowGPSInstrumentsScreen"};
  platform::CommandButton ReturnButton{this, "ReturnButton"};
};

}  // namespace screens
