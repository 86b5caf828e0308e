// The port lists and ACCEPT buttons of the settings screen through the real
// widgets, with pseudo-terminals mapped as COM ports: a choice marks only its
// own link's ACCEPT, ACCEPT saves and reopens the link at once, a refused
// port says so once, and choosing the Dynon monitor after a Grand Rapids one
// cuts the engine lines on carriage returns again.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "devices/devices.h"
#include "devices/serial_links.h"
#include "settings_walk.h"
#include "support/pty.h"

namespace {

using guitest::processPending;

constexpr std::array<const char*, 6> kLists{"CommPort",     "PortSpeed",    "PortParity",
                                            "PortDataBits", "PortStopBits", "PortFlow"};

class PortAccept : public guitest::SettingsWalk {
 protected:
  devices::SerialLinks& links() { return app->devices().links(); }
  std::string name(const char* device, const char* control) { return std::string(device) + "_" + control; }
  QComboBox* list(const char* device, const char* control) {
    return find<QComboBox>(app->form2(), name(device, control).c_str());
  }
  platform::CommandButton& accept(const char* device) {
    return *static_cast<platform::CommandButton*>(app->form2().findControl(name(device, "PortOK")));
  }
  // Writes to the device and waits until the program has taken the line in.
  void send(testsupport::Pty& pty, const std::string& bytes, const std::function<bool()>& arrived) {
    ASSERT_TRUE(pty.write(bytes, [] { processPending(); }));
    EXPECT_TRUE(guitest::processUntil(arrived, 20000)) << "no line " << bytes;
  }
};

TEST_F(PortAccept, AChoiceFromAListMarksOnlyItsOwnAccept) {
  startOnMainWindow();
  openSettings();
  settings::Form2& f = app->form2();
  const std::array<const char*, 3> devices{"EFIS", "EMS", "GPS"};
  for (int tab = 1; tab <= 3; ++tab) {
    const char* device = devices[static_cast<std::size_t>(tab - 1)];
    clickTab(f, tab);
    for (const char* control : kLists) {
      SCOPED_TRACE(name(device, control));
      QComboBox* box = list(device, control);
      ASSERT_NE(box, nullptr);
      choose(f, name(device, control).c_str(), box->itemText(box->count() - 1).toStdString());
      for (const char* other : devices)
        EXPECT_EQ(accept(other).backColor(),
                  other == device ? platform::color::Pink : platform::color::ButtonFace)
            << other;
      if (tab == 2 && std::string(control) == "PortSpeed") shot(f, "settings_accept_marked");
      click(find<QPushButton>(f, "CancelButton"));
      EXPECT_EQ(accept(device).backColor(), platform::color::ButtonFace);
    }
  }
  // Typing into a list changes its text and marks nothing.
  clickTab(f, 1);
  const std::string before = f.EFIS_CommPort.text();
  QTest::keyClicks(list("EFIS", "CommPort")->lineEdit(), QStringLiteral("9"));
  processPending();
  EXPECT_EQ(f.EFIS_CommPort.text(), before + "9");
  EXPECT_EQ(accept("EFIS").backColor(), platform::color::ButtonFace);
}

TEST_F(PortAccept, AcceptSavesShowsTheSettingsAndReopensTheLinkAtOnce) {
  struct Device {
    int tab;
    const char* name;
    int com;
    const char* speed;
    const char* parity;
    const char* dataBits;
    const char* stopBits;
    const char* flow;
    const char* settingsText;
    platform::SerialLink* (*link)(devices::SerialLinks&);
    const char* line;
    std::string (*current)(App&);
    const char* received;
  };
  const std::vector<Device> table{
      {1, "EFIS", 40, "9600", "NONE", "8", "1", "NONE", "9600,n,8,1",
       [](devices::SerialLinks& l) { return l.MSPort2.get(); }, "EFIS RECORD\r\n",
       [](App& a) { return a.EFISLine; }, "EFIS RECORD\r"},
      {2, "EMS", 41, "19200", "EVEN", "7", "1.5", "Xon/Xoff", "19200,e,7,1.5",
       [](devices::SerialLinks& l) { return l.MSPort3.get(); }, "DYNON LINE\r\n",
       [](App& a) { return a.EMSLine; }, "DYNON LINE"},
      {3, "GPS", 42, "4800", "SPACE", "8", "2", "RTS/CTS", "4800,s,8,2",
       [](devices::SerialLinks& l) { return l.MSPort1.get(); }, "$GPGGA,1\r\n",
       [](App& a) { return a.GPSLine; }, "$GPGGA,1"},
  };
  std::array<testsupport::Pty, 3> devicesOnLine;
  for (std::size_t i = 0; i < table.size(); ++i) mapPort(table[i].com, devicesOnLine[i].slavePath());
  startOnMainWindow();
  settings::Form2& f = app->form2();
  shell::Form1& main = app->form1();

  for (std::size_t i = 0; i < table.size(); ++i) {
    const Device& d = table[i];
    SCOPED_TRACE(d.name);
    openSettings(d.tab);
    const std::string port = "COM" + std::to_string(d.com);
    choose(f, name(d.name, "CommPort").c_str(), port);
    choose(f, name(d.name, "PortSpeed").c_str(), d.speed);
    choose(f, name(d.name, "PortParity").c_str(), d.parity);
    choose(f, name(d.name, "PortDataBits").c_str(), d.dataBits);
    choose(f, name(d.name, "PortStopBits").c_str(), d.stopBits);
    choose(f, name(d.name, "PortFlow").c_str(), d.flow);
    EXPECT_EQ(accept(d.name).backColor(), platform::color::Pink);
    platform::SerialLink* link = d.link(links());
    ASSERT_NE(link, nullptr);
    EXPECT_FALSE(link->PortOpen());

    click(find<QPushButton>(f, name(d.name, "PortOK").c_str()));
    const std::string prefix = d.name;
    for (const auto& [element, value] :
         std::vector<std::pair<std::string, std::string>>{{"_PORT_NAME", port},
                                                          {"_PORT_SPEED", d.speed},
                                                          {"_PORT_PARITY", d.parity},
                                                          {"_PORT_DATA_LENGTH", d.dataBits},
                                                          {"_PORT_FLOW_CONTROL", d.flow},
                                                          {"_PORT_STOP_BITS", d.stopBits}})
      EXPECT_EQ(configElement(prefix + element),
                "      <" + prefix + element + ">" + value + "</" + prefix + element + ">");
    EXPECT_EQ(static_cast<platform::Label*>(main.findControl(prefix + "CommPort"))->caption(), port);
    EXPECT_EQ(static_cast<platform::Label*>(main.findControl(prefix + "Settings"))->caption(),
              d.settingsText);
    EXPECT_EQ(accept(d.name).backColor(), platform::color::ButtonFace);
    ASSERT_TRUE(link->PortOpen());
    EXPECT_EQ(std::to_string(link->BaudRate()), d.speed);
    EXPECT_EQ(link->ReadDelimiter(), "\r");
    send(devicesOnLine[i], d.line, [&] { return d.current(*app) == d.received; });

    // "NONE" closes the link.
    choose(f, name(d.name, "CommPort").c_str(), "NONE");
    click(find<QPushButton>(f, name(d.name, "PortOK").c_str()));
    EXPECT_FALSE(link->PortOpen());
    EXPECT_EQ(static_cast<platform::Label*>(main.findControl(prefix + "CommPort"))->caption(), "NONE");
    EXPECT_EQ(configElement(prefix + "_PORT_NAME"),
              "      <" + prefix + "_PORT_NAME>NONE</" + prefix + "_PORT_NAME>");
    click(find<QPushButton>(f, "Command1"));
    EXPECT_EQ(find<QLabel>(main, (prefix + "CommPort").c_str())->text().toStdString(), "NONE");
    EXPECT_EQ(find<QLabel>(main, (prefix + "Settings").c_str())->text().toStdString(), d.settingsText);
  }
  EXPECT_EQ(boxes.texts, std::vector<std::string>{});
}

// The opener's own path: the list goes back to "NONE", one message, and the
// settings screen stays on its tab. The main window and the file keep the
// refused port until the next save.
TEST_F(PortAccept, ARefusedPortIsReportedOnceAndLeavesTheListAtNone) {
  mapPort(43, "/nonexistent/device");
  startOnMainWindow();
  settings::Form2& f = app->form2();
  openSettings(1);
  QLineEdit* typed = list("EFIS", "CommPort")->lineEdit();
  QTest::keyClick(typed, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(typed, QStringLiteral("COM43"));
  processPending();
  click(find<QPushButton>(f, "EFIS_PortOK"));

  EXPECT_EQ(boxes.texts, std::vector<std::string>{"EFISS PORT ERROR : No such file or directory"});
  EXPECT_EQ(f.EFIS_CommPort.text(), "NONE");
  EXPECT_EQ(list("EFIS", "CommPort")->currentText(), QStringLiteral("NONE"));
  EXPECT_EQ(app->form1().EFISCommPort.caption(), "COM43");
  EXPECT_EQ(configElement("EFIS_PORT_NAME"), "      <EFIS_PORT_NAME>COM43</EFIS_PORT_NAME>");
  EXPECT_FALSE(links().MSPort2->PortOpen());
  EXPECT_EQ(app->SourceDataAge[kEFIS], 10);
  EXPECT_EQ(screensOnView(), std::vector<std::string>{"Form2"});
  EXPECT_EQ(f.TabStrip1.selectedTab(), 1);
  EXPECT_TRUE(find<QGroupBox>(f, "EFIS_PortFrame")->isVisible());
}

// The watchdog puts a Grand Rapids frame header in the engine link's
// delimiter while no frame comes; choosing DYNON puts the carriage return
// back, so the next Dynon line is read at once.
TEST_F(PortAccept, DynonAfterAGrandRapidsTypeReadsLinesAgain) {
  testsupport::Pty engine;
  mapPort(44, engine.slavePath());
  startOnMainWindow();
  settings::Form2& f = app->form2();
  app->form1().ChectGRHeader.setInterval(100);
  openSettings(2);
  choose(f, "EMS_CommPort", "COM44");
  click(find<QPushButton>(f, "EMS_PortOK"));
  platform::SerialLink& link = *links().MSPort3;
  ASSERT_TRUE(link.PortOpen());

  click(find<QRadioButton>(f, "EMSGRANDRAPIDS"));
  ASSERT_TRUE(guitest::processUntil([&] { return link.ReadDelimiter() != "\r"; }, 20000))
      << "the watchdog set no frame header";
  click(find<QRadioButton>(f, "EMSDYNON"));
  EXPECT_EQ(link.ReadDelimiter(), "\r");
  EXPECT_TRUE(link.PortOpen());
  send(engine, "DYNON LINE\r\n", [&] { return app->EMSLine == "DYNON LINE"; });
}

}  // namespace
