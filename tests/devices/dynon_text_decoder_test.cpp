// The Dynon engine text record: captions in English and metric units, the
// record health of live and file data, and what reaches the gauges.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "devices/devices.h"
#include "devices/dynon_decoder.h"
#include "devices/dynon_test_support.h"
#include "screens/dynon_gauges.h"
#include "screens/form10.h"
#include "screens/form4.h"
#include "screens/screens.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "support/test_platform.h"

namespace {

using Captions = std::map<std::string, std::string>;

// A complete record, 119 characters:
//   1230 45 07 | 2992 | 212 | 045 | 045 | 138 | -05 | 245 | 125 | 0356 | 180 | 175 |
//   GP1 " 12.5" | GP2 "100.0" | GP3 "  0.0" | 0350 | EGT 1360 1380 1400 1401 1500 1501 |
//   CHT 380 425 426 450 451 400 | ZZZZZZ (not read)
const std::string kRecord =
    "123045072992212045045138-052451250356180175GP1 12.5GP2100.0GP3  0.0"  // columns 1-67
    "0350136013801400140115001501380425426450451400ZZZZZZ";                // columns 68-119

class DynonTextDecoder : public testsupport::AppTest {
 protected:
  void decode(const std::string& line) {
    app->EMSLine = line;
    app->devices().dynon().ParseEMSDynonData();
  }
  void fromFile() { app->form2().EMS_FILE.setValue(true); }
  void metric() { app->form2().UnitsMeter.setValue(true); }
  // Marks the gauge screen so a test sees whether the gauge update ran.
  void markGauges() { app->form10().OilTempLabel.setCaption("untouched"); }
  bool gaugesReached() { return app->form10().OilTempLabel.caption() != "untouched"; }
  Captions captions() { return dynontest::engineCaptions(app->form4()); }
};

TEST_F(DynonTextDecoder, FullRecordInEnglishUnits_ShowsEveryCaptionAsSent) {
  ASSERT_EQ(kRecord.size(), 119u);
  fromFile();
  markGauges();
  decode(kRecord);
  const Captions expected{{"EMSTime", "1230:45.07"},  {"EMSManPres", "29.92"},  // "29" "." "92" in "00.00"
                          {"EMSOilTemp", "212"},      {"EMSOilPres", "45"},     // 045 in "##0"
                          {"EMSFuelPressure", "4.5"},                           // "04.5" in "#0.0"
                          {"EMSVoltage", "13.8"},                               // text: 13 "." 8
                          {"EMSAmps", "-05"},                                   // text, unchanged
                          {"EMSRPM", "2450"},                                   // text 245 & "0"
                          {"EMSFuelFlow", "12.5"},    {"EMSFuelRemaining", "35.6"},  // "035.6" in "##0.0"
                          {"EMSQuantity1", "18.0"},   {"EMSQuantity2", "17.5"},
                          {"EMSGP1", "GP1 =  12.5"},  {"EMSGP2", "GP2 = 100.0"},
                          {"EMSGP3", "GP3 =   0.0"},  {"EMSGPThermocouple", "350"},
                          {"EMSEGT1", "1360"},        {"EMSEGT2", "1380"},
                          {"EMSEGT3", "1400"},        {"EMSEGT4", "1401"},
                          {"EMSEGT5", "1500"},        {"EMSEGT6", "1501"},
                          {"EMSCHT1", "380"},         {"EMSCHT2", "425"},
                          {"EMSCHT3", "426"},         {"EMSCHT4", "450"},
                          {"EMSCHT5", "451"},         {"EMSCHT6", "400"},
                          {"HobbsTime", ".."},        {"TachTime", ".."}};
  EXPECT_EQ(captions(), expected);
  EXPECT_EQ(dynontest::lamps(app->form4()), "gggggggg");
  EXPECT_EQ(app->EMSParseError, 0);
  EXPECT_TRUE(gaugesReached());
}

TEST_F(DynonTextDecoder, FullRecordInMetricUnits_ConvertsPressuresTemperaturesAndVolumes) {
  metric();
  decode(kRecord);
  const Captions expected{{"EMSTime", "1230:45.07"},
                          {"EMSManPres", "1013"},       // 29.92 x 33.86388 = 1013.207
                          {"EMSOilTemp", "100"},        // (212 - 32) x 0.556 = 100.08
                          {"EMSOilPres", "3.1"},        // 45 x 0.06895 = 3.10275 in "#0.0"
                          {"EMSFuelPressure", "0.31"},  // 4.5 x 0.06895 = 0.310275 in "0.00"
                          {"EMSVoltage", "13.8"},
                          {"EMSAmps", "-05"},
                          {"EMSRPM", "2450"},
                          {"EMSFuelFlow", "47.3"},        // 12.5 x 3.785 = 47.3125
                          {"EMSFuelRemaining", "134.7"},  // 35.6 (single) x 3.785 = 134.745994
                          {"EMSQuantity1", "68.1"},       // 18 x 3.785 = 68.13
                          {"EMSQuantity2", "66.2"},       // 17.5 x 3.785 = 66.2375
                          {"EMSGP1", "GP1 =  12.5"},
                          {"EMSGP2", "GP2 = 100.0"},
                          {"EMSGP3", "GP3 =   0.0"},
                          {"EMSGPThermocouple", "177"},  // 318 x 0.556 = 176.808
                          // (EGT - 32) x 0.556: 738.368, 749.488, 760.608, 761.164, 816.208, 816.764
                          {"EMSEGT1", "738"},
                          {"EMSEGT2", "749"},
                          {"EMSEGT3", "761"},
                          {"EMSEGT4", "761"},
                          {"EMSEGT5", "816"},
                          {"EMSEGT6", "817"},
                          // (CHT - 32) x 0.556: 193.488, 218.508, 219.064, 232.408, 232.964, 204.608
                          {"EMSCHT1", "193"},
                          {"EMSCHT2", "219"},
                          {"EMSCHT3", "219"},
                          {"EMSCHT4", "232"},
                          {"EMSCHT5", "233"},
                          {"EMSCHT6", "205"},
                          {"HobbsTime", ".."},
                          {"TachTime", ".."}};
  EXPECT_EQ(captions(), expected);
}

TEST_F(DynonTextDecoder, MilesAreEnglishKilometresAreMetric) {
  app->form2().UnitMiles.setValue(true);
  decode(kRecord);
  EXPECT_EQ(app->form4().EMSManPres.caption(), "29.92");
  app->form2().UnitKiloMeters.setValue(true);
  decode(kRecord);
  EXPECT_EQ(app->form4().EMSManPres.caption(), "1013");
}

TEST_F(DynonTextDecoder, FileRecordOfAnyOtherLength_IsShownMarkedBadAndSkipsTheGauges) {
  fromFile();
  const struct {
    std::string line;
    const char* manPres;  // the record is still decoded into the labels
  } cases[] = {
      {kRecord.substr(0, 118), "29.92"},
      {kRecord + "Z", "29.92"},
      {kRecord.substr(0, 40), "29.92"},
      {"", "00.00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line.size());
    app->EMSParseError = 0;
    markGauges();
    decode(c.line);
    EXPECT_EQ(app->EMSParseError, 10);
    EXPECT_EQ(app->form4().EMSManPres.caption(), c.manPres);
    EXPECT_FALSE(gaugesReached());
  }
  // A good record clears the mark again.
  decode(kRecord);
  EXPECT_EQ(app->EMSParseError, 0);
  EXPECT_TRUE(gaugesReached());
}

TEST_F(DynonTextDecoder, LiveLines_ReachTheGaugesAndOnlyLongOnesCountAsLinkActivity) {
  const struct {
    std::size_t length;
    int ageAfter;  // from 6
  } cases[] = {{0, 6}, {40, 6}, {110, 6}, {111, 4}, {118, 4}, {119, 4}, {125, 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    app->SourceDataAge[kEMS] = 6;
    app->EMSParseError = 7;
    markGauges();
    std::string line = kRecord;
    line.resize(c.length, '9');
    decode(line);
    EXPECT_EQ(app->SourceDataAge[kEMS], c.ageAfter);
    EXPECT_EQ(app->EMSParseError, 7);  // the live port leaves the file mark alone
    EXPECT_TRUE(gaugesReached());
  }
}

TEST_F(DynonTextDecoder, LiveAgeIsNotClampedByTheDecoder) {
  app->SourceDataAge[kEMS] = 0;
  decode(kRecord);
  decode(kRecord);
  EXPECT_EQ(app->SourceDataAge[kEMS], -4);
}

TEST_F(DynonTextDecoder, EmptyLine_ShowsSeparatorsAndZerosInEachFormat) {
  decode("");
  Captions english = captions();
  EXPECT_EQ(english["EMSTime"], ":.");
  EXPECT_EQ(english["EMSVoltage"], ".");
  EXPECT_EQ(english["EMSAmps"], "");
  EXPECT_EQ(english["EMSRPM"], "0");
  EXPECT_EQ(english["EMSGP1"], " = ");
  EXPECT_EQ(english["EMSGP3"], " = ");
  EXPECT_EQ(english["EMSManPres"], "00.00");
  EXPECT_EQ(english["EMSFuelPressure"], "0.0");
  EXPECT_EQ(english["EMSFuelRemaining"], "0.0");
  EXPECT_EQ(english["EMSOilTemp"], "0");
  EXPECT_EQ(english["EMSEGT6"], "0");

  metric();
  decode("");
  Captions m = captions();
  EXPECT_EQ(m["EMSManPres"], "0000");
  EXPECT_EQ(m["EMSFuelPressure"], "0.00");
  EXPECT_EQ(m["EMSFuelRemaining"], "0.0");
  // (0 - 32) x 0.556 = -17.792
  for (const char* t : {"EMSOilTemp", "EMSGPThermocouple", "EMSEGT1", "EMSEGT6", "EMSCHT1", "EMSCHT6"})
    EXPECT_EQ(m[t], "-18") << t;
}

TEST_F(DynonTextDecoder, NonNumericFields_ReadTheirLeadingNumber) {
  const struct {
    std::size_t column;
    std::string text;
    const char* label;
    const char* caption;
  } cases[] = {
      {13, "2X2", "EMSOilTemp", "2"},         // reading stops at the letter
      {13, "ABC", "EMSOilTemp", "0"},         // no number at all
      {13, " 2 ", "EMSOilTemp", "2"},         // blanks ignored
      {16, "-4 ", "EMSOilPres", "-4"},        // a sign is allowed
      {9, "2A92", "EMSManPres", "02.00"},     // "2A.92" reads 2
      {9, " 9 5", "EMSManPres", "09.50"},     // " 9. 5" reads 9.5
      {19, "1 5", "EMSFuelPressure", "1.5"},  // "1 .5": blanks inside the number
      {31, "..5", "EMSFuelFlow", "0.0"},      // "...5": a second point ends the number
      {72, "1 25", "EMSEGT1", "125"},
      {96, "4.6", "EMSCHT1", "5"},  // an integer field rounds: 4.6 gives 5
      {96, "2.5", "EMSCHT1", "2"},  // halves go to even
      {96, "3.5", "EMSCHT1", "4"},
      {28, "2 X", "EMSRPM", "2 X0"},  // text fields are never read as numbers
      {22, "AB", "EMSVoltage", "AB.8"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::string line = kRecord;
    line.replace(c.column - 1, c.text.size(), c.text);
    decode(line);
    EXPECT_EQ(captions()[c.label], c.caption);
  }
}

TEST_F(DynonTextDecoder, CharactersAfterTheLastField_ChangeNothing) {
  decode(kRecord);
  const Captions reference = captions();
  std::string other = kRecord.substr(0, 113) + "123456" + "trailing bytes";
  decode(other);
  EXPECT_EQ(captions(), reference);
}

// A failure while the gauges take the record (an EGT pointer beyond the 16-bit
// range) ends the record: the live link goes stale at once, a file record is
// marked bad; nothing escapes the decoder.
TEST_F(DynonTextDecoder, FailingGaugeUpdate_MarksLiveLinkStaleOrFileRecordBad) {
  app->form13().FilterDisplay.setValue(0);
  app->EGTToCHTScale = 100;  // 1501 x 100 lies beyond 32767
  app->SourceDataAge[kEMS] = 2;
  decode(kRecord);
  EXPECT_EQ(app->SourceDataAge[kEMS], 10);
  EXPECT_EQ(app->form4().EMSEGT6.caption(), "1501");  // captions already written stay
  EXPECT_EQ(app->form10().CHTLabel[5].caption(), "400");

  fromFile();
  app->SourceDataAge[kEMS] = 2;
  decode(kRecord);
  EXPECT_EQ(app->EMSParseError, 10);
  EXPECT_EQ(app->SourceDataAge[kEMS], 2);
}

// One file record, end to end, with the design limits of the gauge screen.
TEST_F(DynonTextDecoder, OneFileRecord_ColoursAndPlacesEveryCylinderOnTheGaugeScreen) {
  namespace color = platform::color;
  app->instruments().dynon().Update_Form10_data();
  fromFile();
  decode(kRecord);  // CHT 380 425 426 450 451 400, EGT 1360 1380 1400 1401 1500 1501
  ASSERT_EQ(app->EMSParseError, 0);
  screens::Form10& g = app->form10();
  // CHT yellow above 425, red above 450; EGT yellow above 1400, red above 1500.
  const std::array<platform::OleColor, 6> bar{color::Green,  color::Green, color::Yellow,
                                              color::Yellow, color::Red,   color::Green};
  const std::array<platform::OleColor, 6> egt{color::White,  color::White,  color::White,
                                              color::Yellow, color::Yellow, color::Red};
  // (EGT - 800) x 0.5 + 150: 430, 440, 450, 450.5 -> 450, 500, 500.5 -> 500.
  const std::array<double, 6> place{430, 440, 450, 450, 500, 500};
  for (int i = 0; i <= 5; ++i) {
    const auto k = static_cast<std::size_t>(i);
    EXPECT_EQ(g.CHTGuage[i].pointerColor(), bar[k]) << i;
    EXPECT_EQ(g.CHTGuage[i].additionalPointerColor(1), egt[k]) << i;
    EXPECT_EQ(g.CHTGuage[i].additionalPointerPosition(2), place[k]) << i;
  }
  EXPECT_EQ(g.TachGuage.position(), 2450);
  EXPECT_EQ(g.ManifoldPressureLabel.value(), static_cast<double>(29.92f));
  EXPECT_EQ(g.VoltageLabel.caption(), "13.8");
  EXPECT_EQ(g.AmpsLabel.caption(), "-5");
  EXPECT_EQ(g.CHTLabel[4].caption(), "451");
}

}  // namespace
