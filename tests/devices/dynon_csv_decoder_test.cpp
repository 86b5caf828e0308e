// The engine record of a Dynon CSV log: hexadecimal fields, two's complement
// and sixteenths, contact lamps, hour meters, the length rule, and what the
// record list and playback rely on when the gauge update fails.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "devices/devices.h"
#include "devices/dynon_decoder.h"
#include "devices/dynon_test_support.h"
#include "platform/vb.h"
#include "screens/form10.h"
#include "screens/form4.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "support/test_platform.h"

namespace {

using Captions = std::map<std::string, std::string>;

// A complete record, 116 characters (hexadecimal, decimal value in brackets):
//   XX | 0C 1E 2D time | 2D oil pressure (45) | 01DF manifold (479/16 = 29.9375) | 00D4 oil temperature (212)
//   | 0048 fuel pressure (72/16 = 4.5) | 00DC voltage (220/16 = 13.75) | FFE0 amperes (-32/16 = -2) | 0A8C
//   RPM (2700) | 00C8 fuel flow (12.5) | 0238 remaining (35.5) | 0120 quantity 1 (18) | 0118 quantity 2
//   (17.5) | 0019 GP1 (25/16 = 1.5625) | FFF8 GP2 (-8/16 = -0.5) | 8000 GP3 (-32768/16 = -2048) | 015E
//   thermocouple (350) | EGT 550 564 578 579 5DC 5DD (1360 1380 1400 1401 1500 1501) | CHT 17C 1A9 1AA 1C2
//   1C3 190 (380 425 426 450 451 400) | 05 contacts (bits 0 and 2) | 00C350 hour meter (50000/16 = 3125) |
//   001234 tach time (4660/16 = 291.25)
const std::string kRecord =
    "XX0C1E2D2D01DF00D4004800DCFFE00A8C00C80238012001180019FFF88000015E5505645785795DC5DD17C1A91AA1C21C319005"
    "00C350001234";

class DynonCSVDecoder : public testsupport::AppTest {
 protected:
  DynonCSVDecoder() {
    // Records of CSV files are played back.
    app->form2().EMS_FILE.setValue(true);
  }
  void decode(const std::string& line) {
    app->EMSLine = line;
    app->devices().dynon().ParseCSVFile();
  }
  void markGauges() { app->form10().OilTempLabel.setCaption("untouched"); }
  bool gaugesReached() { return app->form10().OilTempLabel.caption() != "untouched"; }
  Captions captions() { return dynontest::engineCaptions(app->form4()); }
};

TEST_F(DynonCSVDecoder, FullRecordInEnglishUnits) {
  ASSERT_EQ(kRecord.size(), 116u);
  markGauges();
  decode(kRecord);
  const Captions expected{{"EMSTime", "12:30.45"},      {"EMSOilPres", "45"},
                          {"EMSManPres", "29.94"},  // 29.9375 in "00.00"
                          {"EMSOilTemp", "212"},        {"EMSFuelPressure", "4.5"},
                          {"EMSVoltage", "13.75"},      {"EMSAmps", "-2"},
                          {"EMSRPM", "2700"},           {"EMSFuelFlow", "12.5"},
                          {"EMSFuelRemaining", "35.5"}, {"EMSQuantity1", "18.0"},
                          {"EMSQuantity2", "17.5"},     {"EMSGP1", "1.5625"},
                          {"EMSGP2", "-0.5"},           {"EMSGP3", "-2048"},
                          {"EMSGPThermocouple", "350"}, {"EMSEGT1", "1360"},
                          {"EMSEGT2", "1380"},          {"EMSEGT3", "1400"},
                          {"EMSEGT4", "1401"},          {"EMSEGT5", "1500"},
                          {"EMSEGT6", "1501"},          {"EMSCHT1", "380"},
                          {"EMSCHT2", "425"},           {"EMSCHT3", "426"},
                          {"EMSCHT4", "450"},           {"EMSCHT5", "451"},
                          {"EMSCHT6", "400"},           {"HobbsTime", "3125"},
                          {"TachTime", "291.25"}};
  EXPECT_EQ(captions(), expected);
  // Contact byte 05: lamps 0 and 2 bright green, the other six dark green.
  EXPECT_EQ(dynontest::lamps(app->form4()), "BgBggggg");
  EXPECT_EQ(app->form4().RecordLength.caption(), "116");
  EXPECT_EQ(app->EMSParseError, 0);
  EXPECT_TRUE(gaugesReached());
}

TEST_F(DynonCSVDecoder, FullRecordInMetricUnits_ConvertsOnlyTheUnitValues) {
  app->form2().UnitsMeter.setValue(true);
  decode(kRecord);
  const Captions expected{{"EMSTime", "12:30.45"},
                          {"EMSOilPres", "3.1"},        // 45 x 0.06895 = 3.10275
                          {"EMSManPres", "1014"},       // 29.9375 x 33.86388 = 1013.7999
                          {"EMSOilTemp", "100"},        // (212 - 32) x 0.556 = 100.08
                          {"EMSFuelPressure", "0.31"},  // 4.5 x 0.06895 = 0.310275
                          {"EMSVoltage", "13.75"},
                          {"EMSAmps", "-2"},
                          {"EMSRPM", "2700"},
                          {"EMSFuelFlow", "47.3"},        // 12.5 x 3.785 = 47.3125
                          {"EMSFuelRemaining", "134.4"},  // 35.5 x 3.785 = 134.3675
                          {"EMSQuantity1", "68.1"},
                          {"EMSQuantity2", "66.2"},
                          {"EMSGP1", "1.5625"},
                          {"EMSGP2", "-0.5"},
                          {"EMSGP3", "-2048"},
                          {"EMSGPThermocouple", "177"},  // 318 x 0.556 = 176.808
                          {"EMSEGT1", "738"},
                          {"EMSEGT2", "749"},
                          {"EMSEGT3", "761"},
                          {"EMSEGT4", "761"},
                          {"EMSEGT5", "816"},
                          {"EMSEGT6", "817"},
                          {"EMSCHT1", "193"},
                          {"EMSCHT2", "219"},
                          {"EMSCHT3", "219"},
                          {"EMSCHT4", "232"},
                          {"EMSCHT5", "233"},
                          {"EMSCHT6", "205"},
                          {"HobbsTime", "3125"},
                          {"TachTime", "291.25"}};
  EXPECT_EQ(captions(), expected);
}

TEST_F(DynonCSVDecoder, HexadecimalFields_TwosComplementAndSixteenths) {
  const struct {
    std::size_t column;
    std::string hex;
    const char* label;
    const char* caption;
  } cases[] = {
      {31, "7FFF", "EMSRPM", "32767"},   // four digits: 0000-7FFF as they stand
      {31, "8000", "EMSRPM", "-32768"},  // 8000-FFFF less 65536
      {31, "FFFF", "EMSRPM", "-1"},
      {31, "FFG0", "EMSRPM", "255"},  // reading stops at G: FF, positive
      {31, "G000", "EMSRPM", "0"},
      {27, "0008", "EMSAmps", "0.5"},  // sixteenths
      {27, "FFFF", "EMSAmps", "-0.0625"},
      {23, "00DD", "EMSVoltage", "13.8125"},
      {15, "FFE0", "EMSOilTemp", "-32"},  // a signed temperature
      {9, "FF", "EMSOilPres", "255"},     // two digits are unsigned
      {67, "FFF", "EMSEGT1", "4095"},     // three digits are unsigned
      {85, "1A9", "EMSCHT1", "425"},
      {105, "FFFFFF", "HobbsTime", "1048575.9375"},  // six digits unsigned, /16
      {111, "000010", "TachTime", "1"},
      {3, "17", "EMSTime", "23:30.45"},
      {7, "05", "EMSTime", "12:30.05"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hex);
    std::string line = kRecord;
    line.replace(c.column - 1, c.hex.size(), c.hex);
    decode(line);
    EXPECT_EQ(captions()[c.label], c.caption);
  }
}

TEST_F(DynonCSVDecoder, ContactByte_LightsOneLampPerSetBit) {
  const struct {
    const char* byte;
    const char* lamps;
  } cases[] = {
      {"00", "gggggggg"}, {"05", "BgBggggg"}, {"80", "gggggggB"}, {"FF", "BBBBBBBB"}, {"A1", "BggggBgB"}};
  for (const auto& c : cases) {
    std::string line = kRecord;
    line.replace(102, 2, c.byte);
    decode(line);
    EXPECT_EQ(dynontest::lamps(app->form4()), c.lamps) << c.byte;
  }
}

TEST_F(DynonCSVDecoder, HundredCharactersAreGood_NinetyNineAreBad) {
  // 100 characters: CHT 6 reads only column 100 ("1"); the contact byte and the
  // hour meters lie beyond the end and read 0.
  markGauges();
  decode(kRecord.substr(0, 100));
  EXPECT_EQ(app->EMSParseError, 0);
  EXPECT_EQ(app->form4().RecordLength.caption(), "100");
  EXPECT_EQ(app->form4().EMSCHT6.caption(), "1");
  EXPECT_EQ(app->form4().HobbsTime.caption(), "0");
  EXPECT_EQ(app->form4().TachTime.caption(), "0");
  EXPECT_EQ(dynontest::lamps(app->form4()), "gggggggg");
  EXPECT_TRUE(gaugesReached());

  // 99 characters: decoded into the labels, marked bad, length kept, no gauges.
  decode(kRecord);
  markGauges();
  decode(kRecord.substr(0, 99));
  EXPECT_EQ(app->EMSParseError, 10);
  EXPECT_EQ(app->form4().RecordLength.caption(), "116");
  EXPECT_EQ(app->form4().EMSCHT6.caption(), "0");
  EXPECT_EQ(app->form4().EMSCHT5.caption(), "451");
  EXPECT_EQ(app->form4().HobbsTime.caption(), "0");
  EXPECT_FALSE(gaugesReached());

  decode("");
  EXPECT_EQ(app->EMSParseError, 10);
  EXPECT_EQ(app->form4().EMSTime.caption(), "00:00.00");
}

TEST_F(DynonCSVDecoder, FirstTwoCharactersAndEverythingAfterTheTachTime_ChangeNothing) {
  decode(kRecord + "0000");
  const Captions reference = captions();
  const std::string lamps = dynontest::lamps(app->form4());
  decode("ZZ" + kRecord.substr(2) + "FFFF");
  EXPECT_EQ(captions(), reference);
  EXPECT_EQ(dynontest::lamps(app->form4()), lamps);
}

TEST_F(DynonCSVDecoder, NeverTouchesTheLiveLinkAge) {
  app->form2().EMS_COMM.setValue(true);
  app->SourceDataAge[kEMS] = 5;
  decode(kRecord);
  EXPECT_EQ(app->SourceDataAge[kEMS], 5);
}

// The decoder keeps no error handling of its own: a failure of the gauge
// update (an EGT pointer beyond the 16-bit range) passes to its caller. The
// record list and playback decode through the guarded form, which marks the
// record bad instead.
TEST_F(DynonCSVDecoder, FailingGaugeUpdate_PassesToTheCallerOrMarksTheRecordBad) {
  app->EGTToCHTScale = 100;  // 1360 x 100 lies beyond 32767
  app->EMSLine = kRecord;
  EXPECT_THROW(app->devices().dynon().ParseCSVFile(), platform::RunError);

  app->EMSParseError = 0;
  EXPECT_NO_THROW(app->devices().dynon().ParseCSVRecordOrMarkBad());
  EXPECT_EQ(app->EMSParseError, 10);
  EXPECT_EQ(app->form4().EMSCHT6.caption(), "400");  // the captions show the record

  app->EGTToCHTScale = 0.5f;
  app->devices().dynon().ParseCSVRecordOrMarkBad();
  EXPECT_EQ(app->EMSParseError, 0);
}

}  // namespace
