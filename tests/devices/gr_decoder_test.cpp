// The Grand Rapids frame decoder: frames as the engine link's data event
// leaves them in EMSBytes (the chunk's closing header moved to the front),
// decoded into the engine data screen's captions and the engine gauge screen.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "devices/devices.h"
#include "devices/gr_decoder.h"
#include "platform/numbers.h"
#include "screens/form11.h"
#include "screens/form5.h"
#include "settings/form2.h"
#include "support/test_platform.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Captions = std::map<std::string, std::string>;

// "FE FE FE 00 05" to bytes.
Bytes hex(std::string_view text) {
  Bytes out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ' || text[i] == '\n') {
      ++i;
      continue;
    }
    int digits = 0;
    out.push_back(static_cast<std::uint8_t>(platform::readHex(text.substr(i, 2), &digits)));
    EXPECT_EQ(digits, 2) << "bad hex at " << i;
    i += 2;
  }
  return out;
}

// A GR 4000 / 6000 frame, header first (index: field = value).
//   0 header FE FE FE   3 RPM 0005 = 5   5..15 CHT 400 425 426 450 451 0
//  17..27 EGT 1400 1401 1500 1501 800 0   29 aux 5 = 5   31 aux 6 = 65535
//  33 airspeed 135   35 altitude 123 (x10)   37 volts 138 (x0.1)   39 flow 5 (x0.1)
//  41 unit temp 90   42 carb 80 (-128)   43 ROC FF (-1 x100)   44 OAT 00 (-50)
//  45 oil temp 200   47 oil pres 65   48..54 aux 1-4 = 1 1000 0 258
//  56 coolant 180   58 hours 12345 (x0.1)   60 fuel 150 (x0.1)
//  62 timer 01 02 03   65 time remaining 02 05 (h m)   67 baro 2992 (x0.01)
//  69 RPM2 (header FE FF FE) 2600   71 RPM2 (header FE FE FE) 2700
const char* const kFrame4000 =
    "FE FE FE 00 05 01 90 01 A9 01"  //  0
    "AA 01 C2 01 C3 00 00 05 78 05"  // 10
    "79 05 DC 05 DD 03 20 00 00 00"  // 20
    "05 FF FF 00 87 00 7B 00 8A 00"  // 30
    "05 5A 80 FF 00 00 C8 41 00 01"  // 40
    "03 E8 00 00 01 02 00 B4 30 39"  // 50
    "00 96 01 02 03 02 05 0B B0 0A"  // 60
    "28 0A 8C";                      // 70

// Every caption the frame above gives (the header and second RPM aside, which
// the header decides).
const Captions kCaptions4000{
    {"GRTime", "0102.03"},
    {"GRTimeRemaining", "2:05"},
    {"GRRPM1", "05"},
    {"GRCHT1", "400"},
    {"GRCHT2", "425"},
    {"GRCHT3", "426"},
    {"GRCHT4", "450"},
    {"GRCHT5", "451"},
    {"GRCHT6", "0"},
    {"GREGT1", "1,400"},
    {"GREGT2", "1,401"},
    {"GREGT3", "1,500"},
    {"GREGT4", "1,501"},
    {"GREGT5", "800"},
    {"GREGT6", "0"},
    {"GRAux1", "1"},
    {"GRAux2", "1,000"},
    {"GRAux3", "0"},
    {"GRAux4", "258"},
    {"GRAux5", "5"},
    {"GRAux6", "65,535"},
    {"GRAirspeed", "135"},
    {"GRAltitude", "1,230"},
    {"GRVoltage", "13.8"},
    {"GRFuelFlow", "0.5"},
    {"GRUnitTemperature", "90"},
    {"GRCarbTemp", "-128"},
    {"GRROC", "-100"},
    {"GROAT", "-50"},
    {"GROilTemp", "200"},
    {"GROilPres", "65"},
    {"GRCoolantTemp", "180"},
    {"GRHourMeter", "1,234.5"},
    {"GRFuelQuantity", "15.0"},
    {"GRBaroSetting", "29.92"},
};

// A GR 2000 frame, header first:
//   0 header FE FF FE   3 RPM 2400   5 CHT 350 451   9 EGT 1300 1501
//  13 airspeed 100   15 altitude 250 (x10)   17 volts 140 (x0.1)   19 flow 65 (x0.1)
//  21 unit temp 80   22 ROC 05 (x100)   23 OAT 46 (+20)   24 coolant 170
//  26 oil temp 185   28 oil pres 60   29 aux 7 8   33 hours 1025 (x0.1)
//  35 fuel 200 (x0.1)   37 timer 12 34 56   40 remaining 1 30   42 baro 2982
const char* const kFrame2000 =
    "FE FF FE 09 60 01 5E 01 C3 05"  //  0
    "14 05 DD 00 64 00 FA 00 8C 00"  // 10
    "41 50 05 46 00 AA 00 B9 3C 00"  // 20
    "07 00 08 04 01 00 C8 0C 22 38"  // 30
    "01 1E 0B A6";                   // 40

const Captions kCaptions2000{
    {"HeaderType", "$FE  $FF  $FE"},
    {"GRTime", "1234.56"},
    {"GRTimeRemaining", "1:30"},
    {"GRRPM1", "2,400"},
    {"GRCHT1", "350"},
    {"GRCHT2", "451"},
    {"GRCHT3", "0"},
    {"GRCHT4", "0"},
    {"GRCHT5", "0"},
    {"GRCHT6", "0"},
    {"GREGT1", "1,300"},
    {"GREGT2", "1,501"},
    {"GREGT3", "0"},
    {"GREGT4", "0"},
    {"GREGT5", "0"},
    {"GREGT6", "0"},
    {"GRAux1", "7"},
    {"GRAux2", "8"},
    {"GRAux3", "0"},
    {"GRAux4", "0"},
    {"GRAux5", "0"},
    {"GRAux6", "0"},
    {"GRAirspeed", "100"},
    {"GRAltitude", "2,500"},
    {"GRVoltage", "14.0"},
    {"GRFuelFlow", "6.5"},
    {"GRUnitTemperature", "80"},
    {"GRCarbTemp", "0"},
    {"GRROC", "500"},
    {"GROAT", "20"},
    {"GROilTemp", "185"},
    {"GROilPres", "60"},
    {"GRCoolantTemp", "170"},
    {"GRHourMeter", "102.5"},
    {"GRFuelQuantity", "20.0"},
    {"GRBaroSetting", "29.82"},
    {"GRRPM2", "00"},
};

Captions with(Captions c, std::initializer_list<std::pair<const std::string, std::string>> changes) {
  for (const auto& [name, text] : changes) c[name] = text;
  return c;
}

// The chunk a link delivers for a frame: its bytes after the header, then the
// header of the next frame, which is the link's read delimiter.
Bytes chunkOf(const Bytes& frame) {
  Bytes chunk(frame.begin() + 3, frame.end());
  chunk.insert(chunk.end(), frame.begin(), frame.begin() + 3);
  return chunk;
}

class GrDecoderTest : public testsupport::AppTest {
 protected:
  GrDecoderTest() {
    // The limits the gauge set-up stores from the instrument settings' defaults.
    app->EngineTempLimit = {425, 450, 1400, 1500, 150, 800};
    app->EGTToCHTScale = 0.5f;
    app->SourceDataAge[kEMS] = 5;
  }

  void use4000() { app->form2().EMSGRANDRAPIDS.setValue(true); }
  void use2000() { app->form2().EMSGR2000.setValue(true); }

  // Fills EMSBytes as the engine link's data event does (closing header to the
  // front, the rest after it, elements beyond the chunk kept), then decodes.
  void receive(const Bytes& chunk) {
    ASSERT_GE(chunk.size(), 3u);
    ASSERT_LE(chunk.size(), 301u);
    const std::size_t u = chunk.size() - 1;
    app->EMSBytesUBound = static_cast<std::int32_t>(u);
    app->EMSBytes[0] = chunk[u - 2];
    app->EMSBytes[1] = chunk[u - 1];
    app->EMSBytes[2] = chunk[u];
    for (std::size_t i = 0; i + 3 <= u; ++i) app->EMSBytes[i + 3] = chunk[i];
    app->devices().grandRapids().ParseEMSGrandRapidsData();
  }
  void receiveFrame(const Bytes& frame) { receive(chunkOf(frame)); }

  Captions captions() {
    screens::Form5& s = app->form5();
    Captions c;
    for (platform::Label* l : {&s.HeaderType,  &s.GRTime,         &s.GRTimeRemaining,
                               &s.GRRPM1,      &s.GRCHT1,         &s.GRCHT2,
                               &s.GRCHT3,      &s.GRCHT4,         &s.GRCHT5,
                               &s.GRCHT6,      &s.GREGT1,         &s.GREGT2,
                               &s.GREGT3,      &s.GREGT4,         &s.GREGT5,
                               &s.GREGT6,      &s.GRAux1,         &s.GRAux2,
                               &s.GRAux3,      &s.GRAux4,         &s.GRAux5,
                               &s.GRAux6,      &s.GRAirspeed,     &s.GRAltitude,
                               &s.GRVoltage,   &s.GRFuelFlow,     &s.GRUnitTemperature,
                               &s.GRCarbTemp,  &s.GRROC,          &s.GROAT,
                               &s.GROilTemp,   &s.GROilPres,      &s.GRCoolantTemp,
                               &s.GRHourMeter, &s.GRFuelQuantity, &s.GRBaroSetting,
                               &s.GRRPM2})
      c[l->name()] = l->caption();
    return c;
  }
};

// ---- Headers: every frame is decoded; only a known header counts as aligned.

struct HeaderCase {
  const char* name;
  bool gr2000;
  const char* header;
  const char* headerText;
  bool recognised;
  const char* rpm2;
};

std::ostream& operator<<(std::ostream& os, const HeaderCase& c) {
  return os << c.name;
}

class GrHeaderTest : public GrDecoderTest, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(GrHeaderTest, DecodesEveryFrameAndMarksOnlyKnownHeaders) {
  const HeaderCase& c = GetParam();
  c.gr2000 ? use2000() : use4000();
  Bytes frame = hex(c.gr2000 ? kFrame2000 : kFrame4000);
  const Bytes header = hex(c.header);
  std::copy(header.begin(), header.end(), frame.begin());

  receiveFrame(frame);

  Captions expected = c.gr2000 ? kCaptions2000 : kCaptions4000;
  expected["HeaderType"] = c.headerText;
  expected["GRRPM2"] = c.rpm2;
  EXPECT_EQ(captions(), expected);
  EXPECT_EQ(static_cast<bool>(app->GRHeaderSeen), c.recognised);
  // Recognised: the age is reset to 0 and then lowered by 2; otherwise only lowered.
  EXPECT_EQ(app->SourceDataAge[kEMS], c.recognised ? -2 : 3);
}

INSTANTIATE_TEST_SUITE_P(Headers, GrHeaderTest,
                         ::testing::Values(
                             // The second RPM comes from bytes 71-72 after FE FE FE, 69-70 after FE FF FE.
                             HeaderCase{"G4000_FEFEFE", false, "FE FE FE", "$FE  $FE  $FE", true, "2,700"},
                             HeaderCase{"G4000_FEFFFE", false, "FE FF FE", "$FE  $FF  $FE", true, "2,600"},
                             // No leading zeros in the header text; no second RPM after a stray header.
                             HeaderCase{"G4000_00FEFE", false, "00 FE FE", "$0  $FE  $FE", false, "00"},
                             HeaderCase{"G4000_FEFEFF", false, "FE FE FF", "$FE  $FE  $FF", false, "00"},
                             HeaderCase{"G2000_FEFFFE", true, "FE FF FE", "$FE  $FF  $FE", true, "00"},
                             // The 2000 sends FE FF FE only.
                             HeaderCase{"G2000_FEFEFE", true, "FE FE FE", "$FE  $FE  $FE", false, "00"},
                             HeaderCase{"G2000_0A0B0C", true, "0A 0B 0C", "$A  $B  $C", false, "00"}),
                         [](const ::testing::TestParamInfo<HeaderCase>& p) {
                           return std::string(p.param.name);
                         });

TEST_F(GrDecoderTest, UnrecognisedHeaderLeavesAnEarlierMarkAndOnlyLowersTheAge) {
  use4000();
  receiveFrame(hex(kFrame4000));
  ASSERT_TRUE(app->GRHeaderSeen);
  Bytes stray = hex(kFrame4000);
  stray[0] = 0x00;

  receiveFrame(stray);
  EXPECT_TRUE(app->GRHeaderSeen);
  EXPECT_EQ(app->SourceDataAge[kEMS], -4);
  EXPECT_EQ(app->form5().HeaderType.caption(), "$0  $FE  $FE");
}

TEST_F(GrDecoderTest, AgeOfUnrecognisedFramesStopsAtTheSixteenBitFloor) {
  use4000();
  Bytes stray = hex(kFrame4000);
  stray[1] = 0x00;
  app->SourceDataAge[kEMS] = -32767;
  receiveFrame(stray);
  EXPECT_EQ(app->SourceDataAge[kEMS], -32768);
  receiveFrame(stray);
  EXPECT_EQ(app->SourceDataAge[kEMS], -32768);
}

// ---- Field values: signs, scales and patterns at the edges of each field.

struct FieldCase {
  std::size_t at;     // first byte changed in the 4000 / 6000 frame
  const char* bytes;  // the bytes written there
  const char* label;
  const char* text;
};

std::ostream& operator<<(std::ostream& os, const FieldCase& c) {
  return os << c.label << " from byte " << c.at << " = " << c.bytes;
}

class GrFieldTest : public GrDecoderTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(GrFieldTest, ShowsTheFieldByItsPattern) {
  const FieldCase& c = GetParam();
  use4000();
  Bytes frame = hex(kFrame4000);
  const Bytes b = hex(c.bytes);
  std::copy(b.begin(), b.end(), frame.begin() + static_cast<std::ptrdiff_t>(c.at));
  receiveFrame(frame);
  EXPECT_EQ(captions().at(c.label), c.text) << "byte " << c.at << " = " << c.bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, GrFieldTest,
    ::testing::Values(
        FieldCase{44, "00", "GROAT", "-50"},                                             // byte - 50
        FieldCase{44, "FF", "GROAT", "205"}, FieldCase{42, "80", "GRCarbTemp", "-128"},  // signed byte
        FieldCase{42, "7F", "GRCarbTemp", "127"}, FieldCase{42, "FF", "GRCarbTemp", "-1"},
        FieldCase{43, "FF", "GRROC", "-100"},  // signed byte x 100
        FieldCase{43, "80", "GRROC", "-12,800"}, FieldCase{43, "7F", "GRROC", "12,700"},
        FieldCase{43, "00", "GRROC", "0"}, FieldCase{35, "FF FF", "GRAltitude", "655,350"},  // word x 10
        FieldCase{67, "00 05", "GRBaroSetting", "00.05"},                                    // word x 0.01
        FieldCase{67, "FF FF", "GRBaroSetting", "655.35"},
        FieldCase{58, "00 00", "GRHourMeter", "0.0"},  // word x 0.1
        FieldCase{58, "FF FF", "GRHourMeter", "6,553.5"}, FieldCase{37, "FF FF", "GRVoltage", "6553.5"},
        FieldCase{3, "00 00", "GRRPM1", "00"},  // big-endian word
        FieldCase{3, "12 34", "GRRPM1", "4,660"}, FieldCase{62, "FF 00 09", "GRTime", "25500.09"},
        FieldCase{65, "0A 00", "GRTimeRemaining", "10:00"}, FieldCase{66, "FF", "GRTimeRemaining", "2:255"}),
    [](const ::testing::TestParamInfo<FieldCase>& p) {
      return std::string(p.param.label) + "_" + std::to_string(p.index);
    });

// ---- The gauge screen.

TEST_F(GrDecoderTest, DrivesTheGaugesAndColoursCylindersAtTheStrictLimits) {
  use4000();
  receiveFrame(hex(kFrame4000));
  screens::Form11& g = app->form11();

  EXPECT_EQ(g.AirspeedGuage.airspeed(), 135);
  EXPECT_EQ(g.AirspeedGuage.shownValue(), 135);
  EXPECT_EQ(g.AirspeedLabel.caption(), "135");
  EXPECT_EQ(g.AltitudeGuage.altitude(), 1230);
  EXPECT_DOUBLE_EQ(g.AltitudeGuage.baroSetting(), 29.92);
  EXPECT_EQ(g.AltitudeLabel.caption(), "1,230");
  EXPECT_EQ(g.VerticalSpeedGuage.position(), -100);
  EXPECT_EQ(g.VerticalSpeedGuage.additionalPointerPosition(1), -100);
  EXPECT_EQ(g.VerticalSpeedLabel.caption(), "-100");
  EXPECT_EQ(g.TachGuage.position(), 5);
  EXPECT_EQ(g.TachLabel.value(), 5);
  EXPECT_DOUBLE_EQ(g.VoltageGuage.position(), 13.8);
  EXPECT_DOUBLE_EQ(g.VoltageGuage.additionalPointerPosition(1), 13.8);
  EXPECT_EQ(g.VoltageLabel.caption(), "13.8");
  EXPECT_DOUBLE_EQ(g.FuelQtyGuage.position(), 15.0);
  EXPECT_DOUBLE_EQ(g.FuelQtyGuage.additionalPointerPosition(1), 15.0);
  EXPECT_EQ(g.FuelQtyLabel.caption(), "15.0");
  EXPECT_DOUBLE_EQ(g.FuelFlowGuage.position(), 0.5);
  EXPECT_DOUBLE_EQ(g.FuelFlowGuage.additionalPointerPosition(1), 0.5);
  EXPECT_EQ(g.FuelFlowLabel.caption(), "0.5");
  EXPECT_EQ(g.OilPresGuage.position(), 65);
  EXPECT_EQ(g.OilPresLabel.caption(), "65");
  EXPECT_EQ(g.OilTempGuage.position(), 200);
  EXPECT_EQ(g.OilTempLabel.caption(), "200");

  using platform::color::Green;
  using platform::color::Red;
  using platform::color::White;
  using platform::color::Yellow;
  // Limits CHT 425 / 450, EGT 1400 / 1500; a value equal to a limit takes the
  // lower colour. EGT on the CHT scale: (EGT - 800) x 0.5 + 150.
  struct Cylinder {
    double cht;
    const char* chtText;
    platform::OleColor bar;
    const char* egtText;
    platform::OleColor pointer;
    double onChtScale;
  };
  const std::array<Cylinder, 6> cylinders{{
      {400, "400", Green, "1400", White, 450},
      {425, "425", Green, "1401", Yellow, 450.5},
      {426, "426", Yellow, "1500", Yellow, 500},
      {450, "450", Yellow, "1501", Red, 500.5},
      {451, "451", Red, "800", White, 150},
      {0, "0", Green, "0", White, -250},
  }};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    const Cylinder& c = cylinders[static_cast<std::size_t>(i)];
    EXPECT_EQ(g.CHTLabel[i].caption(), c.chtText);
    EXPECT_EQ(g.CHTGuage[i].position(), c.cht);
    EXPECT_EQ(g.CHTGuage[i].pointerColor(), c.bar);
    EXPECT_EQ(g.EGTLabel[i].caption(), c.egtText);
    for (int p = 1; p <= 2; ++p) {
      EXPECT_EQ(g.CHTGuage[i].additionalPointerColor(p), c.pointer);
      EXPECT_EQ(g.CHTGuage[i].additionalPointerPosition(p), c.onChtScale);
      EXPECT_TRUE(g.CHTGuage[i].additionalPointerVisible(p));
    }
  }
}

TEST_F(GrDecoderTest, EgtPointerIsPlacedUnroundedByTheStoredScale) {
  // CHT 100..500 over EGT 1000..1900: a scale of 4/9 that a single holds inexactly.
  app->EngineTempLimit = {425, 450, 1400, 1500, 100, 1000};
  app->EGTToCHTScale = static_cast<float>(400.0 / 900.0);
  use4000();
  receiveFrame(hex(kFrame4000));
  const double expected = (1401.0 - 1000.0) * static_cast<double>(static_cast<float>(400.0 / 900.0)) + 100.0;
  EXPECT_EQ(app->form11().CHTGuage[1].additionalPointerPosition(1), expected);
  EXPECT_NE(expected, std::floor(expected));
}

TEST_F(GrDecoderTest, Gr2000ShowsTwoCylindersAndZerosForTheRest) {
  use2000();
  receiveFrame(hex(kFrame2000));
  EXPECT_EQ(captions(), kCaptions2000);
  screens::Form11& g = app->form11();
  EXPECT_EQ(g.CHTGuage[0].pointerColor(), platform::color::Green);           // 350
  EXPECT_EQ(g.CHTGuage[1].pointerColor(), platform::color::Red);             // 451
  EXPECT_EQ(g.CHTGuage[1].additionalPointerColor(1), platform::color::Red);  // 1501
  EXPECT_EQ(g.CHTGuage[0].additionalPointerPosition(2), 400);                // 1300
  for (int i = 2; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(g.CHTGuage[i].position(), 0);
    EXPECT_EQ(g.CHTGuage[i].pointerColor(), platform::color::Green);
    EXPECT_EQ(g.CHTGuage[i].additionalPointerColor(1), platform::color::White);
    EXPECT_EQ(g.CHTGuage[i].additionalPointerColor(2), platform::color::White);
    EXPECT_EQ(g.CHTGuage[i].additionalPointerPosition(1), -250);
  }
  EXPECT_EQ(g.AltitudeLabel.caption(), "2,500");
  EXPECT_EQ(g.VerticalSpeedLabel.caption(), "500");
  EXPECT_EQ(g.FuelFlowLabel.caption(), "6.5");
}

// ---- Short chunks: positions beyond the chunk read what the buffer holds.

TEST_F(GrDecoderTest, ShortChunkReadsEarlierBytesBeyondItsEnd) {
  use4000();
  receiveFrame(hex(kFrame4000));
  // Seven frame bytes (positions 3 to 9) and the header: RPM 6, CHT1 400,
  // CHT2 401 and the high byte of CHT3; everything from position 10 on stays.
  receive(hex("00 06 01 90 01 91 02 FE FE FE"));
  EXPECT_EQ(app->EMSBytesUBound, 9);
  EXPECT_EQ(captions(), with(kCaptions4000, {{"HeaderType", "$FE  $FE  $FE"},
                                             {"GRRPM2", "2,700"},
                                             {"GRRPM1", "06"},
                                             {"GRCHT2", "401"},
                                             {"GRCHT3", "682"}}));
  EXPECT_EQ(app->form11().CHTGuage[2].pointerColor(), platform::color::Red);
}

TEST_F(GrDecoderTest, HeaderOnlyChunkOnAFreshBufferDecodesZeros) {
  use2000();
  receive(hex("FE FF FE"));
  EXPECT_TRUE(app->GRHeaderSeen);
  const Captions c = captions();
  EXPECT_EQ(c.at("GRTime"), "0000.00");
  EXPECT_EQ(c.at("GRTimeRemaining"), "0:00");
  EXPECT_EQ(c.at("GRRPM1"), "00");
  EXPECT_EQ(c.at("GROAT"), "-50");
  EXPECT_EQ(c.at("GRBaroSetting"), "00.00");
  EXPECT_EQ(c.at("GRHourMeter"), "0.0");
  EXPECT_EQ(app->form11().CHTGuage[0].additionalPointerPosition(1), -250);
}

TEST_F(GrDecoderTest, LongestChunkFillsTheWholeBuffer) {
  use4000();
  Bytes frame = hex(kFrame4000);
  frame.resize(301, 0xAB);
  receiveFrame(frame);
  EXPECT_EQ(app->EMSBytesUBound, 300);
  EXPECT_EQ(app->EMSBytes[300], 0xAB);
  EXPECT_EQ(captions(), with(kCaptions4000, {{"HeaderType", "$FE  $FE  $FE"}, {"GRRPM2", "2,700"}}));
}

TEST_F(GrDecoderTest, ChunksOfAnyLengthAndBytesDecode) {
  const auto hexText = [](std::uint8_t b) {
    static const char* const kDigits = "0123456789ABCDEF";
    std::string t = b >= 16 ? std::string(1, kDigits[b >> 4]) : std::string();
    return t + kDigits[b & 15];
  };
  std::mt19937 rng(3);
  for (bool gr2000 : {false, true}) {
    gr2000 ? use2000() : use4000();
    for (int n = 0; n < 300; ++n) {
      Bytes chunk(3 + rng() % 299);
      for (std::uint8_t& b : chunk) b = static_cast<std::uint8_t>(rng());
      if (n % 3 == 0) std::copy_n(hex("FE FF FE").begin(), 3, chunk.end() - 3);
      receive(chunk);
      const std::size_t u = chunk.size() - 1;
      EXPECT_EQ(app->form5().HeaderType.caption(),
                "$" + hexText(chunk[u - 2]) + "  $" + hexText(chunk[u - 1]) + "  $" + hexText(chunk[u]));
    }
  }
  EXPECT_TRUE(app->GRHeaderSeen);
}

// ---- The same field read many times gives the same text each time.

TEST_F(GrDecoderTest, RepeatedFramesKeepTheirTexts) {
  use4000();
  for (int round = 0; round < 3; ++round) {
    receiveFrame(hex(kFrame4000));
    EXPECT_EQ(captions(), with(kCaptions4000, {{"HeaderType", "$FE  $FE  $FE"}, {"GRRPM2", "2,700"}}));
    Bytes other = hex(kFrame4000);
    other[4] = 0x06;
    receiveFrame(other);
    EXPECT_EQ(captions().at("GRRPM1"), "06");
  }
}

}  // namespace
