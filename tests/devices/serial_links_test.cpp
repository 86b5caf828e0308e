// The three links: opening from the settings screen, refused ports, the port
// lists, the data events and the Grand Rapids delimiter watchdog, over fake
// links that record every setting written.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/app.h"
#include "devices/devices.h"
#include "devices/serial_links.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/lifecycle.h"
#include "shell/shell.h"
#include "support/test_platform.h"

namespace {

using testsupport::FakeSerialLink;
using Writes = std::vector<std::string>;

const std::string kFEFEFE = "\xFE\xFE\xFE";
const std::string kFEFFFE = "\xFE\xFF\xFE";

// What an opening writes to a closed link, in order.
const Writes kOpenSequence = {"Parity",         "StopBits",       "FlowControl", "DataBits",
                              "BooleanOptionB", "BooleanOptionA", "BaudRate",    "PortNumber",
                              "ReadDelimiter",  "IntegerOption",  "PortOpen"};

class SerialLinksTest : public testsupport::AppTest {
 protected:
  SerialLinksTest() {
    platform.serial.ports = {1, 3, 33};
    links().createPorts();
  }
  devices::SerialLinks& links() { return app->devices().links(); }
  settings::Form2& form2() { return app->form2(); }
  FakeSerialLink& link(std::size_t k) { return *platform.serial.created.at(k); }

  struct DeviceControls {
    platform::ComboBox& port;
    platform::ComboBox& speed;
    platform::ComboBox& dataBits;
    platform::ComboBox& parity;
    platform::ComboBox& stopBits;
    platform::ComboBox& flow;
  };
  DeviceControls controls(std::size_t k) {
    settings::Form2& f = form2();
    if (k == kGPS)
      return {f.GPS_CommPort,   f.GPS_PortSpeed,    f.GPS_PortDataBits,
              f.GPS_PortParity, f.GPS_PortStopBits, f.GPS_PortFlow};
    if (k == kEFIS)
      return {f.EFIS_CommPort,   f.EFIS_PortSpeed,    f.EFIS_PortDataBits,
              f.EFIS_PortParity, f.EFIS_PortStopBits, f.EFIS_PortFlow};
    return {f.EMS_CommPort,   f.EMS_PortSpeed,    f.EMS_PortDataBits,
            f.EMS_PortParity, f.EMS_PortStopBits, f.EMS_PortFlow};
  }
  void start(std::size_t k) {
    if (k == kGPS) links().StartGPSPort();
    if (k == kEFIS) links().StartEFISPort();
    if (k == kEMS) links().StartEMSPort();
  }
};

TEST_F(SerialLinksTest, CreatedLinksAreTheGpsEfisAndEngineLinksInThatOrder) {
  ASSERT_EQ(platform.serial.created.size(), 3u);
  EXPECT_EQ(links().MSPort1.get(), &link(kGPS));
  EXPECT_EQ(links().MSPort2.get(), &link(kEFIS));
  EXPECT_EQ(links().MSPort3.get(), &link(kEMS));
  links().createPorts();
  EXPECT_EQ(platform.serial.created.size(), 3u);
}

TEST_F(SerialLinksTest, OpeningWritesEverySettingInOrderThenReopensAnOpenLink) {
  for (std::size_t k : {kGPS, kEFIS, kEMS}) {
    SCOPED_TRACE(k);
    controls(k).port.setText("COM3");
    start(k);
    EXPECT_EQ(link(k).writes, kOpenSequence);
    EXPECT_TRUE(link(k).PortOpen());
    EXPECT_EQ(link(k).PortNumber(), 3);
    EXPECT_EQ(link(k).BaudRate(), 115200);
    EXPECT_EQ(link(k).DataBits(), 8);
    EXPECT_EQ(link(k).Parity(), 0);
    EXPECT_EQ(link(k).StopBits(), 0);
    EXPECT_EQ(link(k).FlowControl(), 0);
    EXPECT_EQ(link(k).ReadDelimiter(), "\r");
    EXPECT_EQ(link(k).IntegerOption(), 5000);
    EXPECT_FALSE(link(k).BooleanOptionA());
    EXPECT_FALSE(link(k).BooleanOptionB());

    // Accepting unchanged settings closes the port first, then writes again.
    link(k).writes.clear();
    link(k).setReadDelimiter(kFEFEFE);
    link(k).writes.clear();
    start(k);
    Writes reopen = {"PortOpen"};
    reopen.insert(reopen.end(), kOpenSequence.begin(), kOpenSequence.end());
    EXPECT_EQ(link(k).writes, reopen);
    EXPECT_EQ(link(k).opens, 2);
    EXPECT_EQ(link(k).closes, 1);
    EXPECT_EQ(link(k).ReadDelimiter(), "\r");
  }
}

TEST_F(SerialLinksTest, SettingTextsBecomeTheLinksCodes) {
  struct Case {
    std::string speed, dataBits, parity, stopBits, flow;
    int baud, bits, parityCode, stopCode, flowCode;
  };
  // Comparisons are exact: "odd" is no parity, "9" data bits are 8, a speed
  // without leading digits is 0.
  const std::vector<Case> cases = {
      {"9600", "7", "ODD", "1.5", "RTS/CTS", 9600, 7, 1, 1, 1},
      {"256000", "8", "EVEN", "2", "DSR/DTR", 256000, 8, 2, 2, 2},
      {"110", "8", "MARK", "1", "Xon/Xoff", 110, 8, 3, 0, 4},
      {"57600 baud", "9", "SPACE", "3", "xon/xoff", 57600, 8, 4, 0, 0},
      {"fast", "", "odd", "1.50", "", 0, 8, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.speed);
    DeviceControls d = controls(kEMS);
    d.port.setText("COM1");
    d.speed.setText(c.speed);
    d.dataBits.setText(c.dataBits);
    d.parity.setText(c.parity);
    d.stopBits.setText(c.stopBits);
    d.flow.setText(c.flow);
    links().StartEMSPort();
    EXPECT_EQ(link(kEMS).BaudRate(), c.baud);
    EXPECT_EQ(link(kEMS).DataBits(), c.bits);
    EXPECT_EQ(link(kEMS).Parity(), c.parityCode);
    EXPECT_EQ(link(kEMS).StopBits(), c.stopCode);
    EXPECT_EQ(link(kEMS).FlowControl(), c.flowCode);
  }
}

TEST_F(SerialLinksTest, PortTextGivesThePortNumberOrClosesTheLink) {
  struct Case {
    std::size_t link;
    std::string text;
    bool opens;
    double number;
  };
  // The number is read from the 4th character on. The EFIS link rounds it to a
  // whole number (halves to even) first; the other two pass it as it is.
  const std::vector<Case> cases = {
      {kGPS, "COM2.5", true, 2.5}, {kEFIS, "COM2.5", true, 2},  {kEFIS, "COM3.5", true, 4},
      {kEFIS, "COM0.5", false, 0}, {kEMS, "COM0.5", true, 0.5}, {kGPS, "NONE", false, 0},
      {kEMS, "COM0", false, 0},    {kEFIS, "COM-2", false, 0},  {kGPS, "XYZ7", true, 7},
      {kEMS, "COM", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    FakeSerialLink& l = link(c.link);
    // Closed: nothing at all is written for a port that stands for none.
    ASSERT_FALSE(l.PortOpen());
    l.writes.clear();
    controls(c.link).port.setText(c.text);
    start(c.link);
    EXPECT_EQ(l.PortOpen(), c.opens);
    if (c.opens) {
      EXPECT_EQ(l.PortNumber(), c.number);
      // An open link is closed by "NONE", with that one write.
      l.writes.clear();
      controls(c.link).port.setText("NONE");
      start(c.link);
      EXPECT_FALSE(l.PortOpen());
    }
    EXPECT_EQ(l.writes, c.opens ? Writes{"PortOpen"} : Writes{});
  }
}

TEST_F(SerialLinksTest, RefusedPortFallsBackToNoneWithOneMessage) {
  struct Case {
    std::size_t link;
    std::string heading;
  };
  const std::vector<Case> cases = {
      {kGPS, "GPS PORT ERROR : "}, {kEFIS, "EFISS PORT ERROR : "}, {kEMS, "EMS PORT ERROR : "}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.heading);
    FakeSerialLink& l = link(c.link);
    app->SourceDataAge = {2, 2, 2};
    // Open first, so the failing reopen starts from an open link.
    controls(c.link).port.setText("COM3");
    start(c.link);
    ASSERT_TRUE(l.PortOpen());
    l.failOpen = true;
    l.failText = "Device or resource busy";
    platform.messages.shown.clear();
    platform.messages.expect(1);
    start(c.link);
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].text, c.heading + "Device or resource busy");
    EXPECT_EQ(platform.messages.shown[0].buttons, platform::msg::OkOnly);
    EXPECT_EQ(platform.messages.shown[0].title, "");
    EXPECT_EQ(controls(c.link).port.text(), "NONE");
    std::array<std::int16_t, 3> ages = {2, 2, 2};
    ages[c.link] = 10;
    EXPECT_EQ(app->SourceDataAge, ages);
    EXPECT_FALSE(l.PortOpen());
  }
}

TEST_F(SerialLinksTest, SettingThatFailsEndsTheOpeningTheSameWay) {
  // A speed beyond the 32-bit range fails at the baud rate step: the port is
  // not opened and the message carries the failure's text.
  controls(kGPS).port.setText("COM1");
  controls(kGPS).speed.setText("99999999999");
  platform.messages.expect(1);
  links().StartGPSPort();
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].text, "GPS PORT ERROR : Overflow");
  EXPECT_EQ(link(kGPS).writes,
            (Writes{"Parity", "StopBits", "FlowControl", "DataBits", "BooleanOptionB", "BooleanOptionA"}));
  EXPECT_FALSE(link(kGPS).PortOpen());
  EXPECT_EQ(controls(kGPS).port.text(), "NONE");
}

TEST_F(SerialLinksTest, PortSettingListsAreFilledFromTheLinksPorts) {
  const std::vector<std::string> speeds = {"110",   "300",    "600",    "1200",  "2400",  "4800",
                                           "9600",  "14400",  "19200",  "28800", "38400", "56000",
                                           "57600", "115200", "128000", "256000"};
  link(kEMS).ports = {};
  links().LoadEFIS_PortSettings();
  links().LoadGPS_PortSettings();
  links().LoadEMS_PortSettings();
  for (std::size_t k : {kGPS, kEFIS}) {
    DeviceControls d = controls(k);
    EXPECT_EQ(d.port.items(), (std::vector<std::string>{"NONE", "COM1", "COM3", "COM33"}));
    EXPECT_EQ(d.port.itemData(1), 1);
    EXPECT_EQ(d.port.itemData(2), 3);
    EXPECT_EQ(d.port.itemData(3), 33);
    EXPECT_EQ(d.port.text(), "NONE");
    EXPECT_EQ(d.speed.items(), speeds);
    EXPECT_EQ(d.speed.text(), "115200");
    EXPECT_EQ(d.dataBits.items(), (std::vector<std::string>{"7", "8"}));
    EXPECT_EQ(d.dataBits.text(), "8");
    EXPECT_EQ(d.parity.items(), (std::vector<std::string>{"NONE", "ODD", "EVEN", "MARK", "SPACE"}));
    EXPECT_EQ(d.parity.text(), "NONE");
    EXPECT_EQ(d.stopBits.items(), (std::vector<std::string>{"1", "1.5", "2"}));
    EXPECT_EQ(d.stopBits.text(), "1");
    EXPECT_EQ(d.flow.items(), (std::vector<std::string>{"NONE", "RTS/CTS", "DSR/DTR", "Xon/Xoff"}));
    EXPECT_EQ(d.flow.text(), "NONE");
  }
  // With no serial ports present the port list holds only "NONE".
  EXPECT_EQ(controls(kEMS).port.items(), std::vector<std::string>{"NONE"});
}

TEST_F(SerialLinksTest, RefreshingThePortListsKeepsTheTextsAndClearsThePendingMarks) {
  links().LoadEFIS_PortSettings();
  links().LoadGPS_PortSettings();
  links().LoadEMS_PortSettings();
  controls(kEFIS).port.setText("COM9");  // typed, never listed
  controls(kEMS).port.setText("COM3");
  form2().EFIS_PortOK.setBackColor(platform::color::Pink);
  form2().GPS_PortOK.setBackColor(platform::color::Pink);
  // The ports are read once, from the GPS link.
  link(kGPS).ports = {2, 65};
  link(kEFIS).ports = {};
  links().ListAvailComPorts();
  for (std::size_t k : {kGPS, kEFIS, kEMS}) {
    EXPECT_EQ(controls(k).port.items(), (std::vector<std::string>{"NONE", "COM2", "COM65"}));
    EXPECT_EQ(controls(k).port.itemData(2), 65);
  }
  EXPECT_EQ(controls(kEFIS).port.text(), "COM9");
  EXPECT_EQ(controls(kEMS).port.text(), "COM3");
  EXPECT_EQ(controls(kGPS).port.text(), "NONE");
  for (const platform::CommandButton* ok : {&form2().EFIS_PortOK, &form2().EMS_PortOK, &form2().GPS_PortOK})
    EXPECT_EQ(ok->backColor(), platform::color::ButtonFace);
}

// ---- Data events

class DataEventsTest : public SerialLinksTest {
 protected:
  void open(std::size_t k) {
    controls(k).port.setText("COM1");
    start(k);
    ASSERT_TRUE(link(k).PortOpen());
  }
};

TEST_F(DataEventsTest, ReceivedLinesBecomeTheCurrentLines) {
  open(kGPS);
  open(kEFIS);
  open(kEMS);
  // GPS and Dynon lines lose every line break; an EFIS line keeps its CR.
  link(kGPS).feed("\n$GPGGA,1,2\r");
  EXPECT_EQ(app->GPSLine, "$GPGGA,1,2");
  link(kEFIS).feed("\n0123\r\nAB\r");
  EXPECT_EQ(app->EFISLine, "AB\r");
  link(kEMS).feed("\n12,34\r");
  EXPECT_EQ(app->EMSLine, "12,34");
}

TEST_F(DataEventsTest, SourceChoiceDecidesWhatAReceivedChunkChanges) {
  app->EFISLine = "kept\r";
  form2().EFIS_FILE.setValue(true);
  form2().RecordFileRawEFIS.setValue(1);
  links().MSPort2_OnRead("new\r");
  EXPECT_EQ(app->EFISLine, "kept\r");
  EXPECT_EQ(platform.messages.beeps, 0);  // nothing was captured either

  // The engine line is replaced whatever the source.
  form2().EMS_FILE.setValue(true);
  links().MSPort3_OnRead("9,9\r");
  EXPECT_EQ(app->EMSLine, "9,9");

  // No chunk is empty: an empty one counts as no data.
  links().MSPort1_OnRead("");
  links().MSPort3_OnRead("");
  EXPECT_EQ(app->EMSLine, "9,9");
  EXPECT_EQ(app->GPSLine, "");
}

TEST_F(DataEventsTest, GrandRapidsChunkBecomesTheFrameHeaderFirst) {
  form2().EMSGRANDRAPIDS.setValue(true);
  app->RawViewEMS = true;
  app->EMSBytes.fill(0xAA);
  links().MSPort3_OnRead(std::string("\x01\x02\x03\x04\x05", 5));
  EXPECT_EQ(app->EMSBytesUBound, 4);
  EXPECT_EQ(std::vector<int>(app->EMSBytes.begin(), app->EMSBytes.begin() + 6),
            (std::vector<int>{0x03, 0x04, 0x05, 0x01, 0x02, 0xAA}));
  EXPECT_EQ(app->EMSLine, " $03 $04 $05 $01 $02");

  // A shorter chunk leaves the elements beyond it as they were.
  form2().EMSGR2000.setValue(true);
  links().MSPort3_OnRead(kFEFFFE);
  EXPECT_EQ(app->EMSBytesUBound, 2);
  EXPECT_EQ(std::vector<int>(app->EMSBytes.begin(), app->EMSBytes.begin() + 5),
            (std::vector<int>{0xFE, 0xFF, 0xFE, 0x01, 0x02}));
}

TEST_F(DataEventsTest, GrandRapidsViewTextGroupsTenBytes) {
  form2().EMSGRANDRAPIDS.setValue(true);
  // Bytes 00..15 hex, then the header: 25 bytes in all. The view starts
  // with the header, then 00 01 ...; six blanks after the 10th and the 20th.
  std::string chunk;
  for (int i = 0; i < 22; ++i) chunk += static_cast<char>(i);
  chunk += kFEFEFE;
  links().MSPort3_OnRead(chunk);
  EXPECT_EQ(app->EMSLine, "");  // no view, no text
  app->RawViewEMS = true;
  links().MSPort3_OnRead(chunk);
  EXPECT_EQ(app->EMSLine,
            " $FE $FE $FE $00 $01 $02 $03 $04 $05 $06      "
            " $07 $08 $09 $0A $0B $0C $0D $0E $0F $10      "
            " $11 $12 $13 $14 $15");
}

TEST_F(DataEventsTest, GrandRapidsChunkOutsideThreeTo301BytesIsDropped) {
  form2().EMSGR2000.setValue(true);
  app->RawViewEMS = true;
  app->EMSLine = "before";
  app->EMSBytes.fill(0x11);
  app->EMSBytesUBound = 7;
  for (const std::string& chunk : {std::string("\xFE\xFE"), std::string(302, '\x22')}) {
    links().MSPort3_OnRead(chunk);
    EXPECT_EQ(app->EMSBytesUBound, 7);
    EXPECT_EQ(app->EMSLine, "before");
    for (std::uint8_t b : app->EMSBytes) ASSERT_EQ(b, 0x11);
  }
  // The largest frame fills the buffer exactly.
  std::string full(298, '\x33');
  full += kFEFFFE;
  links().MSPort3_OnRead(full);
  EXPECT_EQ(app->EMSBytesUBound, 300);
  EXPECT_EQ(app->EMSBytes[1], 0xFF);
  EXPECT_EQ(app->EMSBytes[300], 0x33);
}

TEST_F(DataEventsTest, GrandRapidsChunksArriveThroughTheEngineLinkOnTheirHeader) {
  form2().EMSGRANDRAPIDS.setValue(true);
  open(kEMS);
  link(kEMS).setReadDelimiter(kFEFFFE);
  // Split anywhere: the frame is cut where the header is complete.
  link(kEMS).feed("\x10\x20\xFE");
  link(kEMS).feed("\xFF");
  EXPECT_EQ(app->EMSBytesUBound, -1);
  link(kEMS).feed("\xFE\x30");
  EXPECT_EQ(app->EMSBytesUBound, 4);
  EXPECT_EQ(std::vector<int>(app->EMSBytes.begin(), app->EMSBytes.begin() + 5),
            (std::vector<int>{0xFE, 0xFF, 0xFE, 0x10, 0x20}));
}

TEST_F(DataEventsTest, NoEngineMonitorTypeChosenChangesNothing) {
  form2().EMSDYNON.setValue(false);
  ASSERT_FALSE(form2().EMSGRANDRAPIDS.value() || form2().EMSGR2000.value());
  app->EMSLine = "kept";
  links().MSPort3_OnRead("\x01\x02\x03");
  EXPECT_EQ(app->EMSLine, "kept");
  EXPECT_EQ(app->EMSBytesUBound, -1);
}

// ---- Grand Rapids delimiter watchdog

class WatchdogTest : public SerialLinksTest {
 protected:
  // The delimiter after each of n ticks, headers seen before the ticks marked.
  std::vector<std::string> ticks(int n, const std::vector<bool>& seen = {}) {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) {
      if (i < static_cast<int>(seen.size()) && seen[i]) app->GRHeaderSeen = true;
      links().ChectGRHeader_Timer();
      EXPECT_FALSE(app->GRHeaderSeen);
      out.push_back(link(kEMS).ReadDelimiter());
    }
    return out;
  }
};

TEST_F(WatchdogTest, GrandRapids4000AlternatesTheHeadersWhileNoneIsSeen) {
  form2().EMSGRANDRAPIDS.setValue(true);
  EXPECT_EQ(ticks(4), (std::vector<std::string>{kFEFFFE, kFEFEFE, kFEFFFE, kFEFEFE}));
  EXPECT_EQ(link(kEMS).writes, Writes(4, "ReadDelimiter"));
}

TEST_F(WatchdogTest, HeadersArrivingLeaveTheDelimiterAlone) {
  form2().EMSGRANDRAPIDS.setValue(true);
  controls(kEMS).port.setText("COM1");
  links().StartEMSPort();
  link(kEMS).writes.clear();
  // Frames in the first two periods: the carriage return of the opening stays
  // until the first tick that saw none.
  EXPECT_EQ(ticks(3, {true, true, false}), (std::vector<std::string>{"\r", "\r", kFEFFFE}));
  EXPECT_EQ(link(kEMS).writes, Writes{"ReadDelimiter"});
}

TEST_F(WatchdogTest, GrandRapids2000SetsFEFFFEAtEveryTick) {
  form2().EMSGR2000.setValue(true);
  EXPECT_EQ(ticks(3), std::vector<std::string>(3, kFEFFFE));
  EXPECT_EQ(link(kEMS).writes, Writes(3, "ReadDelimiter"));
}

TEST_F(WatchdogTest, DynonOnlyClearsTheHeaderFlag) {
  ASSERT_TRUE(form2().EMSDYNON.value());
  EXPECT_EQ(ticks(2, {true}), std::vector<std::string>(2, "\r"));
  EXPECT_TRUE(link(kEMS).writes.empty());
}

TEST_F(WatchdogTest, TicksEveryThreeSecondsOfTheMainWindow) {
  form2().EMSGRANDRAPIDS.setValue(true);
  app->shell().lifecycle().startTimers();
  app->form1().StartupDelay.setEnabled(false);  // the links stay as they are
  platform.scheduler.advance(2999);
  EXPECT_TRUE(link(kEMS).writes.empty());
  platform.scheduler.advance(1);
  EXPECT_EQ(link(kEMS).ReadDelimiter(), kFEFFFE);
  platform.scheduler.advance(3000);
  EXPECT_EQ(link(kEMS).ReadDelimiter(), kFEFEFE);
}

}  // namespace
