// The EFIS decoder: fixed columns into the EFIS values and the main window's
// readouts in every unit set, the second counter, link health, the real-time
// steps and their absence for the export, and lines that are not records.

#include <gtest/gtest.h>

#include <string>

#include "devices/devices.h"
#include "devices/efis_decoder.h"
#include "screens/form8.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "support/test_platform.h"

namespace {

// Column ruler of a record (columns counted from 1, the CR is column 52):
//          1111111111222222222233333333334444444444555
// 1234567890123456789012345678901234567890123456789012
// hhmmss--pppPrrrrRyyysssSaaaaavvvVllLggGoowwwwww----\r
// h m s time, - unread, p|P pitch, r|R roll, y heading, s|S airspeed,
// a altitude, v|V turn rate or vertical speed, l|L lateral G, g|G vertical G,
// o angle of attack, w status word (hex); a capital letter is a tenths column.
//
// Displayed-altitude record (status 000000): 14:05:09, pitch -05|3 = -5.3,
// roll -012|7 = -12.7, heading 123, airspeed 051|4 = 51.4 m/s, altitude 01000
// = 1000 m, turn rate -01|5 = -1.5, lateral G -0|2 = -0.2, vertical G 01|0 =
// 1.0, angle of attack 05.
const std::string kDisplayed = "14050932-053-0127123051401000-015-02010050000004A2C\r";
// Pressure-altitude record (status A00003: bits 0, 1, 21 and 23): 09:59:59,
// pitch 012|5 = 12.5, roll 0030|0 = 30, heading 359, airspeed 100|0 = 100 m/s,
// pressure altitude 01524 = 1524 m, vertical speed -01|5 = -1.5 ft/s, lateral G
// 00|1 = 0.1, vertical G -0|5 = -0.5, angle of attack 12.
const std::string kPressure = "09595900012500300359100001524-015001-0512A000034A2C\r";

enum class Units { Knots, Miles, KiloMeters, Meters };

struct UnitCase {
  const char* name;
  Units units;
  // Displayed-altitude record.
  float airspeedA;
  const char* airspeedTextA;
  float altitude;
  const char* altitudeText;
  // Pressure-altitude record.
  float airspeedB;
  const char* airspeedTextB;
  float pressureAltitude;
  const char* pressureAltitudeText;
  float verticalSpeed;
  const char* verticalSpeedText;
};

// Each value is the received value (single precision) times the factor in
// double precision, stored back in single precision:
//   knots  51.4 x 1.9438 = 99.91132      100 x 1.9438 = 194.38
//   mph    51.4 x 2.2369 = 114.97666     100 x 2.2369 = 223.69
//   kph    51.4 x 3.59999999712 = 185.04001   100 x 3.59999999712 = 359.9999997 -> 360 (single)
//   feet   1000 x 3.2808 = 3280.8        1524 x 3.2808 = 4999.9392
//   ft/min -1.5 x 60 = -90               m/min -1.5 x 18.288 = -27.432
// The readouts: airspeed and the two altitudes "#0.0", vertical speed as
// number text (7 significant digits at most).
const UnitCase kUnitCases[] = {
    {"Knots", Units::Knots, 99.91132F, "99.9", 3280.8F, "3280.8", 194.38F, "194.4", 4999.9392F, "4999.9",
     -90.0F, "-90"},
    {"Miles", Units::Miles, 114.97666F, "115.0", 3280.8F, "3280.8", 223.69F, "223.7", 4999.9392F, "4999.9",
     -90.0F, "-90"},
    {"KiloMeters", Units::KiloMeters, 185.04001F, "185.0", 1000.0F, "1000.0", 360.0F, "360.0", 1524.0F,
     "1524.0", -27.432F, "-27.432"},
    {"Meters", Units::Meters, 51.4F, "51.4", 1000.0F, "1000.0", 100.0F, "100.0", 1524.0F, "1524.0", -27.432F,
     "-27.432"},
};

class EfisDecoderTest : public testsupport::AppTest {
 protected:
  EfisDecoderTest() { app->form1(); }
  settings::Form2& s() { return app->form2(); }
  shell::Form1& f1() { return app->form1(); }
  void decode(const std::string& line) {
    app->EFISLine = line;
    app->devices().efis().ParseEFISData();
  }
  void selectUnits(Units u) {
    switch (u) {
      case Units::Knots:
        s().UnitsKnots.setValue(true);
        break;
      case Units::Miles:
        s().UnitMiles.setValue(true);
        break;
      case Units::KiloMeters:
        s().UnitKiloMeters.setValue(true);
        break;
      case Units::Meters:
        s().UnitsMeter.setValue(true);
        break;
    }
  }
  void useFileSource() {
    s().EFIS_FILE.setValue(true);
    ASSERT_FALSE(s().EFIS_COMM.value());
  }
};

class EfisUnitsTest : public EfisDecoderTest, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(EfisUnitsTest, BothRecordKindsDecodeIntoValuesAndReadouts) {
  const UnitCase& c = GetParam();
  selectUnits(c.units);

  decode(kDisplayed);
  EXPECT_EQ(app->EFISHour, 14);
  EXPECT_EQ(app->EFISMinute, 5);
  EXPECT_EQ(app->EFISSecond, 9);
  EXPECT_EQ(app->EFISSecondCount, 0);
  EXPECT_FLOAT_EQ(app->EFISPitch, -5.3F);
  EXPECT_FLOAT_EQ(app->EFISRoll, -12.7F);
  EXPECT_EQ(app->EFISHeading, 123);
  EXPECT_FLOAT_EQ(app->EFISAirspeed, c.airspeedA);
  EXPECT_FLOAT_EQ(app->EFISAltitude, c.altitude);
  EXPECT_FLOAT_EQ(app->EFISTurnRate, -1.5F);  // never converted
  EXPECT_FLOAT_EQ(app->EFISLateralG, -0.2F);
  EXPECT_FLOAT_EQ(app->EFISVerticalG, 1.0F);
  EXPECT_EQ(app->EFISAOA, 5);
  EXPECT_FALSE(app->EFISStatusBits[0]);
  // Nothing of the pressure-altitude kind yet.
  EXPECT_EQ(app->EFISPressureAltitude, 0.0F);
  EXPECT_EQ(app->EFISVerticalSpeed, 0.0F);
  EXPECT_EQ(app->ModeCAltitude, 0);
  // The readouts follow at once: both update rates are "Real Time".
  EXPECT_EQ(f1().EFISHHMMSS.caption(), "1405:09.00");
  EXPECT_EQ(f1().DataPitch.caption(), "-5.3");
  EXPECT_EQ(f1().DataRoll.caption(), "-12.7");
  EXPECT_EQ(f1().DataYaw.caption(), "123");
  EXPECT_EQ(f1().DataAirspeed.caption(), c.airspeedTextA);
  EXPECT_EQ(f1().DataAltitude.caption(), c.altitudeText);
  EXPECT_EQ(f1().DataPressureAltitude.caption(), "0.0");
  EXPECT_EQ(f1().DataVerticalSpeed.caption(), "0");
  EXPECT_EQ(f1().DataTurnRate.caption(), "-1.5");
  EXPECT_EQ(f1().DataLateralG.caption(), "-0.2");
  EXPECT_EQ(f1().DataVerticalG.caption(), "1");
  EXPECT_EQ(f1().DataAOA.caption(), "5");

  decode(kPressure);
  EXPECT_EQ(app->EFISHour, 9);
  EXPECT_EQ(app->EFISMinute, 59);
  EXPECT_EQ(app->EFISSecond, 59);
  EXPECT_FLOAT_EQ(app->EFISPitch, 12.5F);
  EXPECT_FLOAT_EQ(app->EFISRoll, 30.0F);
  EXPECT_EQ(app->EFISHeading, 359);
  EXPECT_FLOAT_EQ(app->EFISAirspeed, c.airspeedB);
  EXPECT_FLOAT_EQ(app->EFISPressureAltitude, c.pressureAltitude);
  EXPECT_FLOAT_EQ(app->EFISVerticalSpeed, c.verticalSpeed);
  // 1524 m x 0.032808 = 49.999 hundreds of feet, from the metres in every unit set.
  EXPECT_EQ(app->ModeCAltitude, 50);
  EXPECT_FLOAT_EQ(app->EFISLateralG, 0.1F);
  EXPECT_FLOAT_EQ(app->EFISVerticalG, -0.5F);
  EXPECT_EQ(app->EFISAOA, 12);
  // A00003: bits 0, 1, 21, 23.
  for (int i = 0; i < 26; ++i)
    EXPECT_EQ(app->EFISStatusBits[static_cast<std::size_t>(i)].raw(),
              (i == 0 || i == 1 || i == 21 || i == 23) ? -1 : 0)
        << "bit " << i;
  // The displayed altitude and turn rate stay as the first record left them.
  EXPECT_FLOAT_EQ(app->EFISAltitude, c.altitude);
  EXPECT_FLOAT_EQ(app->EFISTurnRate, -1.5F);
  EXPECT_EQ(f1().EFISHHMMSS.caption(), "0959:59.00");
  EXPECT_EQ(f1().DataAirspeed.caption(), c.airspeedTextB);
  EXPECT_EQ(f1().DataAltitude.caption(), c.altitudeText);
  EXPECT_EQ(f1().DataPressureAltitude.caption(), c.pressureAltitudeText);
  EXPECT_EQ(f1().DataVerticalSpeed.caption(), c.verticalSpeedText);
  EXPECT_EQ(f1().DataTurnRate.caption(), "-1.5");
  EXPECT_EQ(f1().DataLateralG.caption(), "0.1");
  EXPECT_EQ(f1().DataVerticalG.caption(), "-0.5");
  EXPECT_EQ(f1().DataAOA.caption(), "12");

  // And a displayed-altitude record leaves the pressure-altitude values alone.
  decode(kDisplayed);
  EXPECT_FLOAT_EQ(app->EFISPressureAltitude, c.pressureAltitude);
  EXPECT_FLOAT_EQ(app->EFISVerticalSpeed, c.verticalSpeed);
  EXPECT_EQ(app->ModeCAltitude, 50);
  EXPECT_FLOAT_EQ(app->EFISAirspeed, c.airspeedA);
}

INSTANTIATE_TEST_SUITE_P(UnitSets, EfisUnitsTest, ::testing::ValuesIn(kUnitCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(EfisDecoderTest, ModeCAltitudeComesFromTheReceivedMetres) {
  struct Case {
    const char* altitude;  // columns 25-29
    Units units;
    float pressureAltitude;
    std::int16_t modeC;
  };
  // 1000 m x 0.032808 = 32.808 -> 33; 1524 m -> 49.999 -> 50; -0300 m -> -9.84 -> -10;
  // 99999 m -> 3280.8 -> 3281 (the largest the five columns hold, still a 16-bit value).
  const Case cases[] = {
      {"01000", Units::Knots, 3280.8F, 33},     {"01000", Units::Meters, 1000.0F, 33},
      {"01524", Units::Meters, 1524.0F, 50},    {"-0300", Units::Meters, -300.0F, -10},
      {"99999", Units::Meters, 99999.0F, 3281},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.altitude);
    selectUnits(c.units);
    std::string line = kPressure;
    line.replace(24, 5, c.altitude);
    decode(line);
    EXPECT_FLOAT_EQ(app->EFISPressureAltitude, c.pressureAltitude);
    EXPECT_EQ(app->ModeCAltitude, c.modeC);
  }
}

TEST_F(EfisDecoderTest, KilometresPerHourUseTheFactorAsWritten) {
  // 10.2 m/s is 10.19999980926514 in single precision. Times 3.6 it lands on
  // 36.71999931335449, exactly half-way between the singles 36.71999740600586
  // and 36.72000122070312 (and rounds to the even one, 36.720001); times
  // 3.59999999712 it is 36.71999928397849, just below half-way: 36.7199974.
  selectUnits(Units::KiloMeters);
  std::string line = kDisplayed;
  line.replace(20, 4, "0102");
  decode(line);
  EXPECT_EQ(app->EFISAirspeed, 36.71999740600586F);
  EXPECT_EQ(f1().DataAirspeed.caption(), "36.7");
}

TEST_F(EfisDecoderTest, StatusBitZeroAloneSelectsTheAltitudeKind) {
  struct Case {
    const char* status;  // columns 42-47
    bool pressure;
  };
  // Only bit 0 chooses: 000002 (bit 1) is a displayed-altitude record,
  // FFFFFF and 00000f (lower-case digits read too) pressure-altitude ones.
  const Case cases[] = {{"000000", false}, {"000001", true}, {"000002", false},
                        {"FFFFFF", true},  {"00000f", true}, {"FFFFFE", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.status);
    app->EFISAltitude = -1;
    app->EFISPressureAltitude = -1;
    std::string line = kDisplayed;
    line.replace(41, 6, c.status);
    decode(line);
    EXPECT_EQ(bool(app->EFISStatusBits[0]), c.pressure);
    EXPECT_EQ(app->EFISPressureAltitude, c.pressure ? 3280.8F : -1.0F);
    EXPECT_EQ(app->EFISAltitude, c.pressure ? -1.0F : 3280.8F);
    EXPECT_FALSE(app->EFISStatusBits[24]);
    EXPECT_FALSE(app->EFISStatusBits[25]);
  }
}

TEST_F(EfisDecoderTest, SecondCountNumbersTheRecordsWithinOneSecond) {
  auto at = [](const char* hhmmss) {
    std::string line = kDisplayed;
    line.replace(0, 6, hhmmss);
    return line;
  };
  // The kept second starts at 0, so the very first record stamped :00 is
  // already the second record of that second.
  decode(at("120000"));
  EXPECT_EQ(app->EFISSecondCount, 1);
  decode(at("120001"));
  EXPECT_EQ(app->EFISSecondCount, 0);
  decode(at("120001"));
  EXPECT_EQ(app->EFISSecondCount, 1);
  decode(at("120001"));
  EXPECT_EQ(app->EFISSecondCount, 2);
  EXPECT_EQ(f1().EFISHHMMSS.caption(), "1200:01.02");
  decode(at("120002"));
  EXPECT_EQ(app->EFISSecondCount, 0);
  // Only the second is compared: the same second of another minute counts on.
  decode(at("120102"));
  EXPECT_EQ(app->EFISSecondCount, 1);
}

TEST_F(EfisDecoderTest, SecondCountStopsAtItsLargestValue) {
  // A file whose records all carry one second (empty lines do) would
  // otherwise overflow the counter.
  decode(kDisplayed);
  app->EFISSecondCount = 32766;
  decode(kDisplayed);
  EXPECT_EQ(app->EFISSecondCount, 32767);
  app->SourceDataAge[kEFIS] = 5;
  decode(kDisplayed);
  EXPECT_EQ(app->EFISSecondCount, 32767);
  EXPECT_EQ(f1().EFISHHMMSS.caption(), "1405:09.32767");
  // Still a good record: the link age went down, not up to 30.
  EXPECT_EQ(app->SourceDataAge[kEFIS], 4);
}

TEST_F(EfisDecoderTest, OnlyACompleteLiveRecordCountsAsLinkActivity) {
  ASSERT_TRUE(s().EFIS_COMM.value());
  struct Case {
    const char* name;
    std::string line;
    std::int16_t ageAfter;
  };
  // 52 characters with the kept CR lowers the age; 51 (no CR), 53 (an extra
  // byte) and an empty line are decoded but leave it.
  const Case cases[] = {
      {"52", kDisplayed, 4},
      {"51", kDisplayed.substr(0, 51), 5},
      {"53", kDisplayed + "\r", 5},
      {"empty", "", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    app->SourceDataAge[kEFIS] = 5;
    app->EFISParseError = 7;
    app->EFISHeading = 0;
    decode(c.line);
    EXPECT_EQ(app->SourceDataAge[kEFIS], c.ageAfter);
    EXPECT_EQ(app->EFISParseError, 7);  // a file flag; the live source leaves it
    EXPECT_EQ(app->EFISHeading, c.line.empty() ? 0 : 123);
  }
}

TEST_F(EfisDecoderTest, FileRecordOfWrongLengthLeavesTheParseFlag) {
  useFileSource();
  app->SourceDataAge[kEFIS] = 5;
  app->EFISParseError = 10;
  decode(kDisplayed.substr(0, 51));
  EXPECT_EQ(app->EFISParseError, 10);
  decode(kDisplayed);
  EXPECT_EQ(app->EFISParseError, 0);
  decode(kDisplayed + "X");
  EXPECT_EQ(app->EFISParseError, 0);
  decode("");
  EXPECT_EQ(app->EFISParseError, 0);
  // The live link's age is not touched by file records.
  EXPECT_EQ(app->SourceDataAge[kEFIS], 5);
}

TEST_F(EfisDecoderTest, LinesThatAreNotRecordsDecodeWithoutFailing) {
  // Start from a pressure-altitude record, so that what an odd line leaves
  // alone is visible.
  decode(kPressure);
  ASSERT_EQ(app->ModeCAltitude, 50);
  app->SourceDataAge[kEFIS] = 5;

  // An empty line: every field reads 0, so it is a displayed-altitude record
  // of zeros; a lone CR reads the same.
  for (const std::string& line : {std::string(), std::string("\r")}) {
    SCOPED_TRACE(line.size());
    decode(line);
    EXPECT_EQ(app->EFISHour, 0);
    EXPECT_EQ(app->EFISMinute, 0);
    EXPECT_EQ(app->EFISSecond, 0);
    EXPECT_EQ(app->EFISPitch, 0.0F);
    EXPECT_EQ(app->EFISRoll, 0.0F);
    EXPECT_EQ(app->EFISHeading, 0);
    EXPECT_EQ(app->EFISAirspeed, 0.0F);
    EXPECT_EQ(app->EFISAltitude, 0.0F);
    EXPECT_EQ(app->EFISTurnRate, 0.0F);
    EXPECT_EQ(app->EFISLateralG, 0.0F);
    EXPECT_EQ(app->EFISVerticalG, 0.0F);
    EXPECT_EQ(app->EFISAOA, 0);
    EXPECT_FALSE(app->EFISStatusBits[0]);
    EXPECT_FLOAT_EQ(app->EFISPressureAltitude, 4999.9392F);
    EXPECT_EQ(app->ModeCAltitude, 50);
    EXPECT_EQ(app->SourceDataAge[kEFIS], 5);
    EXPECT_EQ(f1().EFISHHMMSS.caption().substr(0, 7), "0000:00");
    EXPECT_EQ(f1().DataAirspeed.caption(), "0.0");
  }

  // 48 characters (47 and the CR) whose status word "00Z001" reads as hex 00:
  // a displayed-altitude record, decoded and shown, not link activity.
  std::string bad = kPressure.substr(0, 47) + "\r";
  bad.replace(41, 6, "00Z001");
  ASSERT_EQ(bad.size(), 48U);
  decode(bad);
  EXPECT_FALSE(app->EFISStatusBits[0]);
  EXPECT_FLOAT_EQ(app->EFISAltitude, 4999.9392F);  // 01524 m in feet, as a displayed altitude
  EXPECT_FLOAT_EQ(app->EFISTurnRate, -1.5F);
  EXPECT_EQ(app->EFISAOA, 12);
  EXPECT_EQ(app->ModeCAltitude, 50);
  EXPECT_EQ(app->SourceDataAge[kEFIS], 5);
  EXPECT_EQ(f1().DataAltitude.caption(), "4999.9");

  // A short line: the fields beyond its end read 0.
  decode("1405");
  EXPECT_EQ(app->EFISHour, 14);
  EXPECT_EQ(app->EFISMinute, 5);
  EXPECT_EQ(app->EFISSecond, 0);
  EXPECT_EQ(app->EFISAirspeed, 0.0F);
}

TEST_F(EfisDecoderTest, FieldsReadTheLeadingNumberOfTheirColumns) {
  selectUnits(Units::Meters);
  // Blanks inside a field are ignored, a sign may lead, a field that does not
  // begin with a number reads 0, and a tenths column that is not a digit adds
  // nothing: pitch " -1|4" = -1.4, roll "  +3|X" = 3, heading "X12" = 0,
  // airspeed " 5 |5" = 5.5, altitude "  1 2" = 12, turn rate "-00|5" = -0.5.
  const std::string line = std::string("140509") + "  " + " -1" + "4" + "  +3" + "X" + "X12" + " 5 " + "5" +
                           "  1 2" + "-00" + "5" + "-0" + "2" + "01" + "0" + "05" + "000000" + "4A2C" + "\r";
  ASSERT_EQ(line.size(), 52U);
  decode(line);
  EXPECT_FLOAT_EQ(app->EFISPitch, -1.4F);
  EXPECT_FLOAT_EQ(app->EFISRoll, 3.0F);
  EXPECT_EQ(app->EFISHeading, 0);
  EXPECT_FLOAT_EQ(app->EFISAirspeed, 5.5F);
  EXPECT_FLOAT_EQ(app->EFISAltitude, 12.0F);
  EXPECT_FLOAT_EQ(app->EFISTurnRate, -0.5F);
  EXPECT_EQ(f1().DataTurnRate.caption(), "-0.5");
}

TEST_F(EfisDecoderTest, DisplaysFollowEachRecordOnlyAtRealTimeRates) {
  // A rate click applies the settings, which blank the readouts of an
  // unassigned port: give the EFIS a port.
  f1().EFISCommPort.setCaption("COM1");
  // Other rates: the displays wait for their timers.
  s().MainUpdateRate[2].setValue(true);
  s().EFISUpdateRate[3].setValue(true);
  ASSERT_FALSE(s().MainUpdateRate[0].value());
  ASSERT_FALSE(s().EFISUpdateRate[0].value());
  f1().DataYaw.setCaption("-");
  app->form8().HeadingLabel.setCaption("-");
  decode(kDisplayed);
  EXPECT_EQ(f1().DataYaw.caption(), "-");
  EXPECT_EQ(app->form8().HeadingLabel.caption(), "-");

  // The EFIS screen alone at "Real Time".
  s().MainUpdateRate[0].setValue(true);
  decode(kDisplayed);
  EXPECT_EQ(f1().DataYaw.caption(), "-");
  EXPECT_NE(app->form8().HeadingLabel.caption(), "-");

  // The readouts alone at "Real Time".
  s().MainUpdateRate[1].setValue(true);
  s().EFISUpdateRate[0].setValue(true);
  app->form8().HeadingLabel.setCaption("-");
  decode(kDisplayed);
  EXPECT_EQ(f1().DataYaw.caption(), "123");
  EXPECT_EQ(app->form8().HeadingLabel.caption(), "-");
}

TEST_F(EfisDecoderTest, ExportDecodesWithoutRecordingOrDisplaying) {
  useFileSource();
  ASSERT_TRUE(s().MainUpdateRate[0].value());
  ASSERT_TRUE(s().EFISUpdateRate[0].value());
  app->RecorderOn = true;
  app->NewFilePending = true;
  f1().DataYaw.setCaption("-");
  app->form8().HeadingLabel.setCaption("-");
  app->EFISParseError = 10;

  app->EFISLine = kPressure;
  app->devices().efis().ParseEFISDataForExport();

  // The values and the file's parse flag are those of the line ...
  EXPECT_EQ(app->EFISHeading, 359);
  EXPECT_EQ(app->ModeCAltitude, 50);
  EXPECT_EQ(app->EFISParseError, 0);
  // ... but nothing was recorded (a new file section is still due) or shown.
  EXPECT_TRUE(app->NewFilePending);
  EXPECT_EQ(f1().DataYaw.caption(), "-");
  EXPECT_EQ(app->form8().HeadingLabel.caption(), "-");
}

TEST_F(EfisDecoderTest, ExportedLinesNeverMakeASilentLiveLinkLookAlive) {
  s().EFIS_COMM.setValue(true);
  app->SourceDataAge[kEFIS] = 10;
  app->EFISParseError = 10;
  app->EFISLine = kPressure;
  app->devices().efis().ParseEFISDataForExport();
  EXPECT_EQ(app->SourceDataAge[kEFIS], 10);
  EXPECT_EQ(app->EFISParseError, 0);  // a good file record
}

}  // namespace
