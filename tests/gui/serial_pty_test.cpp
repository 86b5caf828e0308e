// The real serial links against pseudo-terminals mapped as COM ports: chunks
// cut on each delimiter however the bytes arrive, the receive cap, a
// delimiter changed while open, one data event at a time, an adapter pulled
// out, refused ports, EFIS records reaching the current line, and a Grand
// Rapids stream realigned by the delimiter watchdog.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/app.h"
#include "devices/devices.h"
#include "devices/serial_links.h"
#include "gui_support.h"
#include "platform/port_map.h"
#include "screens/form5.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "support/pty.h"

namespace {

const std::string kFEFEFE = "\xFE\xFE\xFE";
const std::string kFEFFFE = "\xFE\xFF\xFE";
const std::string kNoDevice = "No such file or directory";

class SerialPtyTest : public guitest::ProgramFolder {
 protected:
  void SetUp() override {
    ProgramFolder::SetUp();
    ASSERT_TRUE(ports.isValid());
    ::setenv("TALBREN_PORTS_DIR", ports.path().toLocal8Bit().constData(), 1);
  }
  void TearDown() override {
    ::unsetenv("TALBREN_PORTS_DIR");
    ::unsetenv("TALBREN_COM11");
    ProgramFolder::TearDown();
  }

  // Puts a link COMn to the device in the ports folder.
  static void mapPort(const QString& folder, int n, const std::string& device) {
    const std::string link = folder.toStdString() + "/COM" + std::to_string(n);
    ASSERT_EQ(::symlink(device.c_str(), link.c_str()), 0);
  }

  // A link on COM11, mapped to the pseudo-terminal by its variable, open,
  // recording every chunk.
  std::unique_ptr<platform::SerialLink> openLink(const std::string& delimiter = "\r") {
    ::setenv("TALBREN_COM11", pty.slavePath().c_str(), 1);
    auto link = serial.createLink();
    link->OnRead = [this](const std::string& chunk) { chunks.push_back(chunk); };
    link->setPortNumber(11);
    link->setBaudRate(115200);
    link->setReadDelimiter(delimiter);
    link->setPortOpen(true);
    return link;
  }

  // Waits until everything written has been taken in by the link.
  bool settle(const platform::SerialLink& link) {
    return guitest::processUntil([&] { return received() + link.bufferedBytes() == written; });
  }
  std::size_t received() const {
    std::size_t n = 0;
    for (const auto& c : chunks) n += c.size();
    return n;
  }
  // Writes one piece and waits until the link has read it.
  void send(const platform::SerialLink& link, const std::string& bytes) {
    ASSERT_TRUE(pty.write(bytes, [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 5); }));
    written += bytes.size();
    ASSERT_TRUE(settle(link)) << "read " << received() + link.bufferedBytes() << " of " << written;
  }

  QTemporaryDir ports;
  testsupport::Pty pty;
  std::vector<std::string> chunks;
  std::size_t written = 0;
};

TEST_F(SerialPtyTest, ChunksEndWithTheDelimiterWhereverTheBytesAreSplit) {
  struct Case {
    std::string delimiter;
    std::vector<std::string> pieces;
    std::vector<std::string> chunks;
  };
  const std::vector<Case> cases = {
      {"\r", {"$GPGGA,1", "23\r$GP", "RMC\r"}, {"$GPGGA,123\r", "$GPRMC\r"}},
      // Several chunks in one write.
      {"\r", {"A\rBB\r\nCCC\r"}, {"A\r", "BB\r", "\nCCC\r"}},
      // Split inside the delimiter, and bytes FE FF that are not a header.
      {kFEFEFE,
       {"\x01\xFE", "\xFE", "\xFE\xFF\xFE\xFE\x02\xFE\xFE", "\xFE"},
       {"\x01" + kFEFEFE, "\xFF\xFE\xFE\x02" + kFEFEFE}},
      {kFEFFFE,
       {"\x10\xFE\xFF", "\xFE\xFE\xFE\xFF\xFE\x20\xFE\xFF\xFE"},
       {"\x10" + kFEFFFE, "\xFE" + kFEFFFE, "\x20" + kFEFFFE}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.pieces));
    chunks.clear();
    written = 0;
    auto link = openLink(c.delimiter);
    ASSERT_TRUE(link->PortOpen());
    for (const auto& piece : c.pieces) send(*link, piece);
    EXPECT_EQ(chunks, c.chunks);
    link->setPortOpen(false);
  }
}

TEST_F(SerialPtyTest, OneByteWritesGiveTheSameChunks) {
  auto link = openLink(kFEFFFE);
  ASSERT_TRUE(link->PortOpen());
  const std::string stream = "\x01\x02" + kFEFFFE + "\xFF\xFE" + kFEFFFE + kFEFFFE;
  for (char b : stream) send(*link, std::string(1, b));
  EXPECT_EQ(chunks, (std::vector<std::string>{"\x01\x02" + kFEFFFE, "\xFF\xFE" + kFEFFFE, kFEFFFE}));
}

TEST_F(SerialPtyTest, LongRunWithoutDelimiterKeepsOnlyTheNewest64KiB) {
  auto link = openLink();
  ASSERT_TRUE(link->PortOpen());
  std::string run(70 * 1024, '\0');
  for (std::size_t i = 0; i < run.size(); ++i) run[i] = static_cast<char>('a' + i % 23);
  ASSERT_TRUE(pty.write(run, [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 5); }));
  // The link reads all of it but holds no more than 64 KiB.
  ASSERT_TRUE(guitest::processUntil([&] {
    QCoreApplication::processEvents();
    return link->bufferedBytes() == platform::SerialChunker::kMaxBuffer;
  }));
  ASSERT_TRUE(pty.write("\r"));
  ASSERT_TRUE(guitest::processUntil([&] { return !chunks.empty(); }));
  ASSERT_EQ(chunks.size(), 1u);
  EXPECT_EQ(chunks[0], run.substr(run.size() - (platform::SerialChunker::kMaxBuffer - 1)) + "\r");
  // The line goes on as before.
  written = received() + link->bufferedBytes();
  send(*link, "next\r");
  EXPECT_EQ(chunks.back(), "next\r");
}

TEST_F(SerialPtyTest, DelimiterChangedWhileOpenCutsTheBytesAlreadyWaiting) {
  auto link = openLink();
  ASSERT_TRUE(link->PortOpen());
  send(*link, "\x01\xFE\xFF");
  link->setReadDelimiter(kFEFFFE);
  send(*link, "\xFE\x02\xFE\xFE");
  link->setReadDelimiter(kFEFEFE);
  EXPECT_TRUE(link->PortOpen());
  send(*link, "\xFE");
  EXPECT_EQ(chunks, (std::vector<std::string>{"\x01" + kFEFFFE, "\x02" + kFEFEFE}));
}

TEST_F(SerialPtyTest, DataEventsComeOneAtATimeEvenWhenAHandlerYields) {
  ::setenv("TALBREN_COM11", pty.slavePath().c_str(), 1);
  auto link = serial.createLink();
  int depth = 0;
  int deepest = 0;
  link->OnRead = [&](const std::string& chunk) {
    ++depth;
    deepest = std::max(deepest, depth);
    chunks.push_back(chunk);
    if (chunk == "A\r") {
      // More data arrives while this chunk is still being handled: the
      // handler yields until the program has taken it off the line, and
      // once more after.
      ASSERT_TRUE(pty.write("B\rC\r"));
      ASSERT_TRUE(guitest::processUntil([&] {
        scheduler.yieldToEvents();
        return pty.unread() == 0;
      })) << "the program did not read the line";
      scheduler.yieldToEvents();
    }
    --depth;
  };
  link->setPortNumber(11);
  link->setPortOpen(true);
  ASSERT_TRUE(link->PortOpen());
  ASSERT_TRUE(pty.write("A\r"));
  ASSERT_TRUE(guitest::processUntil([&] { return chunks.size() == 3; }));
  EXPECT_EQ(chunks, (std::vector<std::string>{"A\r", "B\r", "C\r"}));
  EXPECT_EQ(deepest, 1);
}

TEST_F(SerialPtyTest, EverySettingOpensAReceivingLine) {
  struct Case {
    int parity, stopBits, dataBits, flow, baud;
  };
  // One and a half stop bits open with one; DSR/DTR opens without flow
  // control (raising DTR, which a pseudo-terminal ignores).
  const std::vector<Case> cases = {
      {0, 0, 8, 0, 115200}, {1, 1, 7, 1, 9600},   {2, 2, 8, 2, 110},
      {3, 0, 8, 4, 57600},  {4, 1, 8, 2, 256000}, {0, 0, 8, 0, 14400},
  };
  ::setenv("TALBREN_COM11", pty.slavePath().c_str(), 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.baud);
    auto link = serial.createLink();
    link->OnRead = [this](const std::string& chunk) { chunks.push_back(chunk); };
    link->setParity(c.parity);
    link->setStopBits(c.stopBits);
    link->setDataBits(c.dataBits);
    link->setFlowControl(c.flow);
    link->setBaudRate(c.baud);
    link->setPortNumber(11);
    link->setPortOpen(true);
    ASSERT_TRUE(link->PortOpen());
    chunks.clear();
    written = 0;
    send(*link, "ok\r");
    EXPECT_EQ(chunks, std::vector<std::string>{"ok\r"});
  }
}

// ---- Through the program's links

class ProgramLinksTest : public SerialPtyTest {
 protected:
  void SetUp() override {
    SerialPtyTest::SetUp();
    app = std::make_unique<App>(services());
    links().createPorts();
  }
  void TearDown() override {
    app.reset();
    SerialPtyTest::TearDown();
  }
  devices::SerialLinks& links() { return app->devices().links(); }
  std::unique_ptr<App> app;
};

TEST_F(ProgramLinksTest, PortsOnMissingDevicesAreRefusedInOrderWithTheSystemsText) {
  mapPort(ports.path(), 7, "/nonexistent/gps");
  mapPort(ports.path(), 8, "/nonexistent/efis");
  settings::Form2& f = app->form2();
  f.GPS_CommPort.setText("COM7");
  f.EFIS_CommPort.setText("COM8");
  // No map and no device by the fixed rule either.
  f.EMS_CommPort.setText("COM200");
  links().StartGPSPort();
  links().StartEFISPort();
  links().StartEMSPort();
  EXPECT_EQ(boxes.texts,
            (std::vector<std::string>{"GPS PORT ERROR : " + kNoDevice, "EFISS PORT ERROR : " + kNoDevice,
                                      "EMS PORT ERROR : " + kNoDevice}));
  for (const platform::ComboBox* port : {&f.GPS_CommPort, &f.EFIS_CommPort, &f.EMS_CommPort})
    EXPECT_EQ(port->text(), "NONE");
  EXPECT_FALSE(links().MSPort1->PortOpen());
  EXPECT_FALSE(links().MSPort2->PortOpen());
  EXPECT_FALSE(links().MSPort3->PortOpen());
  EXPECT_EQ(app->SourceDataAge, (std::array<std::int16_t, 3>{10, 10, 10}));
}

TEST_F(ProgramLinksTest, EfisRecordsOnAPortOfTheProgramsPortsFolderBecomeTheEfisLine) {
  // Without TALBREN_PORTS_DIR the ports folder is "ports" in the program folder.
  ::unsetenv("TALBREN_PORTS_DIR");
  const QString programPorts = folder.filePath(QStringLiteral("ports"));
  ASSERT_TRUE(QDir().mkpath(programPorts));
  mapPort(programPorts, 5, pty.slavePath());

  links().LoadEFIS_PortSettings();
  settings::Form2& f = app->form2();
  EXPECT_NE(std::find(f.EFIS_CommPort.items().begin(), f.EFIS_CommPort.items().end(), "COM5"),
            f.EFIS_CommPort.items().end());
  f.EFIS_CommPort.setText("COM5");
  links().StartEFISPort();
  ASSERT_TRUE(links().MSPort2->PortOpen());
  ASSERT_TRUE(pty.write("REC1\r\nREC2\r\n"));
  EXPECT_TRUE(guitest::processUntil([&] { return app->EFISLine == "REC2\r"; }));
  EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(ProgramLinksTest, UnpluggedAdapterClosesTheLinkWithoutAMessage) {
  mapPort(ports.path(), 3, pty.slavePath());
  app->form2().GPS_CommPort.setText("COM3");
  links().StartGPSPort();
  ASSERT_TRUE(links().MSPort1->PortOpen());
  ASSERT_TRUE(pty.write("$GPGGA,1\r"));
  ASSERT_TRUE(guitest::processUntil([&] { return app->GPSLine == "$GPGGA,1"; }));
  pty.closeMaster();
  EXPECT_TRUE(guitest::processUntil([&] { return !links().MSPort1->PortOpen(); }));
  guitest::processPending();
  EXPECT_TRUE(boxes.texts.empty());
}

// A GR 4000 frame, header FE FE FE first, numbered by its engine speed
// (bytes 3-4): CHT 1 400 (5-6), unit temperature 13 (41), a carriage return
// that cuts the stream while the link still waits for one.
std::string grFrame(int rpm) {
  std::string f(73, '\0');
  f[0] = f[1] = f[2] = '\xFE';
  f[3] = static_cast<char>(rpm >> 8);
  f[4] = static_cast<char>(rpm & 0xFF);
  f[5] = '\x01';
  f[6] = '\x90';
  f[41] = '\x0D';
  return f;
}

// The engine speed as the data screen shows it ("#,#00") from 1000 on: the
// thousands, a comma and three digits.
std::string rpmText(int rpm) {
  const std::string digits = std::to_string(rpm % 1000);
  return std::to_string(rpm / 1000) + "," + std::string(3 - digits.size(), '0') + digits;
}

// The watchdog's ticks come where the test puts them, in the middle of a
// frame, between the writes: the delimiter it chooses depends on what the
// link took in since its last tick, never on how fast the bytes were written.
TEST_F(ProgramLinksTest, GrandRapidsStreamOnTheWrongDelimiterIsRealignedWithinTwoTicksThenEveryFrameDecodes) {
  struct Case {
    const char* name;
    std::size_t largestPiece;
  };
  for (const Case& c : {Case{"one-byte pieces", 1}, Case{"random-size pieces", 40}}) {
    SCOPED_TRACE(c.name);
    // A fresh program each time: the watchdog starts from its first header.
    // The program is not started, so none of its timers runs.
    app = std::make_unique<App>(services());
    links().createPorts();
    ::setenv("TALBREN_COM11", pty.slavePath().c_str(), 1);

    shell::Form1& f1 = app->form1();
    ASSERT_FALSE(f1.ChectGRHeader.enabled());
    settings::Form2& f2 = app->form2();
    f2.EMSGRANDRAPIDS.setValue(true);
    f2.EMS_COMM.setValue(true);
    f2.EMS_CommPort.setText("COM11");
    links().StartEMSPort();
    platform::SerialLink& link = *links().MSPort3;
    ASSERT_TRUE(link.PortOpen());
    ASSERT_EQ(link.ReadDelimiter(), "\r");

    // Every chunk as the link delivers it to the data event; once the
    // watchdog has ticked twice, the number of each frame decoded and the
    // engine speed the data screen showed for it.
    chunks.clear();
    written = 0;
    std::vector<std::string> delimiterAfterTick;
    std::vector<int> decoded;
    std::vector<std::string> shown;
    link.OnRead = [&](const std::string& chunk) {
      chunks.push_back(chunk);
      links().MSPort3_OnRead(chunk);
      if (delimiterAfterTick.size() < 2) return;
      decoded.push_back(app->EMSBytes[3] * 256 + app->EMSBytes[4]);
      shown.push_back(app->form5().GRRPM1.caption());
    };
    auto tick = [&] {
      f1.ChectGRHeader.onTick();
      delimiterAfterTick.push_back(link.ReadDelimiter());
    };

    std::mt19937 random(12);
    std::uniform_int_distribution<std::size_t> size(1, c.largestPiece);
    auto sendInPieces = [&](const std::string& bytes) {
      for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t n = std::min(size(random), bytes.size() - at);
        send(link, bytes.substr(at, n));
        at += n;
      }
    };
    // Frames, the watchdog ticking after `tickAt` bytes of the last one.
    int rpm = 1000;
    auto sendFrames = [&](int count, std::size_t tickAt) {
      for (int i = 0; i < count && !HasFatalFailure(); ++i) {
        const std::string frame = grFrame(rpm++);
        if (i + 1 < count) {
          sendInPieces(frame);
          continue;
        }
        sendInPieces(frame.substr(0, tickAt));
        tick();
        sendInPieces(frame.substr(tickAt));
      }
    };

    // Frames flow on the carriage return of the opening while the watchdog
    // ticks twice: first FE FF FE, then FE FE FE, the header they carry.
    sendFrames(4, 30);
    sendFrames(4, 50);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(delimiterAfterTick.size(), 2u);
    EXPECT_EQ(delimiterAfterTick[0], kFEFFFE);
    EXPECT_EQ(delimiterAfterTick[1], kFEFEFE);

    // From then on every frame decodes, in order, once the header of the
    // frame after it closes it: the frames still waiting in the link when
    // the delimiter changed, after at most a piece of one (bytes from the
    // last carriage return on, which read as frame 0), and every frame
    // written since. The watchdog, seeing headers, leaves the delimiter alone.
    const int first = rpm;
    for (std::size_t tickAt : {17, 1, 72}) sendFrames(10, tickAt);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(delimiterAfterTick.size(), 5u);
    send(link, std::string(3, '\xFE'));
    const std::size_t piece = !decoded.empty() && decoded[0] < 1000 ? 1 : 0;
    ASSERT_GT(decoded.size(), piece);
    const int from = decoded[piece];
    EXPECT_LE(from, first);
    std::vector<int> expected;
    std::vector<std::string> expectedText;
    for (int n = from; n < rpm; ++n) {
      expected.push_back(n);
      expectedText.push_back(rpmText(n));
    }
    EXPECT_EQ(std::vector<int>(decoded.begin() + static_cast<std::ptrdiff_t>(piece), decoded.end()),
              expected);
    EXPECT_EQ(std::vector<std::string>(shown.begin() + static_cast<std::ptrdiff_t>(piece), shown.end()),
              expectedText);
    for (std::size_t i = 2; i < delimiterAfterTick.size(); ++i)
      EXPECT_EQ(delimiterAfterTick[i], kFEFEFE) << i;
    screens::Form5& data = app->form5();
    EXPECT_EQ(data.HeaderType.caption(), "$FE  $FE  $FE");
    EXPECT_EQ(data.GRCHT1.caption(), "400");
    EXPECT_EQ(data.GRUnitTemperature.caption(), "13");

    link.setPortOpen(false);
  }
}

}  // namespace
