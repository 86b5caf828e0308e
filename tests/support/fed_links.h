#pragma once
// Known device data and a way to feed it: the serial links of an App on fake
// ports, each receive opening its port as the settings screen would, the
// bytes then going through the real chunking, data events and decoders.

#include <string>
#include <vector>

#include "app/app.h"
#include "support/test_platform.h"

namespace testsupport {

// EFIS record (status 000000, displayed altitude): 14:05:09, pitch -5.3, roll
// -12.7, heading 123, airspeed 51.4 m/s, altitude 1000 m, turn rate -1.5,
// lateral G -0.2, vertical G 1.0, angle of attack 5.
inline const std::string kEfisRecord = "14050932-053-0127123051401000-015-02010050000004A2C\r";

// Dynon engine record, 119 characters: 12:30:45, manifold 29.92, oil 212 F and
// 45 PSI, fuel pressure 4.5, volts 13.8, amps -5, 2450 RPM, flow 12.5, 35.6
// remaining, quantities 18.0 and 17.5, EGT 1360 1380 1400 1401 1500 1501,
// CHT 380 425 426 450 451 400.
inline const std::string kDynonRecord =
    "123045072992212045045138-052451250356180175GP1 12.5GP2100.0GP3  0.0"
    "0350136013801400140115001501380425426450451400ZZZZZZ";

// Grand Rapids 4000 / 6000 frame (header FE FE FE): CHT 400 425 426 450 451 0,
// EGT 1400 1401 1500 1501 800 0, airspeed 135, altitude 1230, volts 13.8,
// flow 0.5, oil 200 and 65, fuel 15.0, baro 29.92, RPM2 2700.
inline const char* const kFrame4000 =
    "FE FE FE 00 05 01 90 01 A9 01 AA 01 C2 01 C3 00 00 05 78 05"
    "79 05 DC 05 DD 03 20 00 00 00 05 FF FF 00 87 00 7B 00 8A 00"
    "05 5A 80 FF 00 00 C8 41 00 01 03 E8 00 00 01 02 00 B4 30 39"
    "00 96 01 02 03 02 05 0B B0 0A 28 0A 8C";

// Grand Rapids 2000 frame (header FE FF FE): 2400 RPM, CHT 350 451, EGT 1300
// 1501, airspeed 100, altitude 2500, volts 14.0, flow 6.5, climb 500, oil 185
// and 60, fuel 20.0, baro 29.82.
inline const char* const kFrame2000 =
    "FE FF FE 09 60 01 5E 01 C3 05 14 05 DD 00 64 00 FA 00 8C 00"
    "41 50 05 46 00 AA 00 B9 3C 00 07 00 08 04 01 00 C8 0C 22 38"
    "01 1E 0B A6";

// Standard and Garmin sentences of one GPS second.
inline const std::vector<std::string> kGpsSentences = {
    "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47",
    "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A",
    "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48",
    "$GPBOD,099.3,T,105.6,M,POINTB,POINTA*45",
    "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39",
    "$GPGSV,3,1,09,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75",
    "$GPGSV,3,2,09,15,90,000,35,16,00,180,10,20,45,135,,21,60,300,36*00",
    "$GPGSV,3,3,09,25,13,062,*41",
    // The next cycle's first sentence draws the sky plot of the cycle above.
    "$GPGSV,1,1,02,01,41,084,47,30,05,010,20*70",
    "$PGRMF,290,293895,160305,093802,13,5213.1439,N,02100.6511,E,A,2,0,226,2,1*11",
    "$PGRME,15.0,M,45.0,M,25.0,M*1C",
    "$PGRMZ,1494,f,3*23",
    "$PGRMH,A,-2,0,-5,-3,150,270,275*3F",
    "$PGRMV,2.3,-1.2,0.5*3A",
    "$PGRMM,WGS 84*06",
    "$PGRMB,301.0,100,12,0,46,K,A,W,A*5A",
    "$PGRMT,MODEL 1.0,P,P,R,R,P,,23,R*33",
};

// Bytes written as hexadecimal pairs, blanks between them ignored.
std::string bytesOf(const char* hex);

class FedLinks {
 public:
  // Gives the fake ports COM1 to COM3 and creates the App's links on them.
  FedLinks(App& app, FakeSerialFactory& serial);
  // The EFIS on COM1; one record with its line feed.
  void efis(const std::string& record);
  // The engine monitor on COM3; one text line with CR LF.
  void engine(const std::string& line);
  // A Grand Rapids frame arrives as its bytes after the header, ended by the
  // next frame's header, which the watchdog has made the link's read
  // delimiter.
  void frame(const char* hex);
  // The GPS on COM2; each sentence with CR LF.
  void gps(const std::vector<std::string>& sentences);

 private:
  FakeSerialLink& link(std::size_t k) { return *serial_.created.at(k); }
  App& app_;
  FakeSerialFactory& serial_;
};

}  // namespace testsupport
