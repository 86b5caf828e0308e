#pragma once
// The program started on its real windows with a ports folder of its own, for
// walking the two settings screens: open them the way the user does, click
// their tabs, choose from their lists, and read what the configuration file
// holds.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "config/config.h"
#include "gui_support.h"
#include "platform/files.h"
#include "platform/screen.h"
#include "settings/form2.h"
#include "shell/form1.h"

namespace guitest {

class SettingsWalk : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_TRUE(ports.isValid());
    ::setenv("TALBREN_PORTS_DIR", ports.path().toLocal8Bit().constData(), 1);
  }
  void TearDown() override {
    app.reset();
    ::unsetenv("TALBREN_PORTS_DIR");
    WindowTest::TearDown();
  }

  // The program with its main window on view. The links stay closed until an
  // ACCEPT opens them.
  void startOnMainWindow() {
    app = std::make_unique<App>(services());
    app->start();
    app->form1().StartupDelay.setEnabled(false);
    processPending();
    ASSERT_TRUE(onView(app->form1()));
  }

  // CONFIGURATION on the main window, then a click on the tab numbered from 1.
  void openSettings(int tab = 0) {
    click(find<QPushButton>(app->form1(), "ConfigCommPorts"));
    ASSERT_TRUE(onView(app->form2()));
    if (tab > 0) clickTab(app->form2(), tab);
  }

  void clickTab(platform::Screen& s, int tab) {
    auto* bar = find<QTabBar>(s, "TabStrip1");
    ASSERT_NE(bar, nullptr);
    click(bar, bar->tabRect(tab - 1).center());
    ASSERT_EQ(bar->currentIndex(), tab - 1);
  }

  // A choice from a list as the user makes it: the list's own activation.
  void choose(platform::Screen& s, const char* list, const std::string& text) {
    auto* box = find<QComboBox>(s, list);
    ASSERT_NE(box, nullptr) << list;
    const int i = box->findText(QString::fromStdString(text));
    ASSERT_GE(i, 0) << list << " lists no " << text;
    emit box->activated(i);
    processPending();
  }

  // Typed over the whole text of a text box, key by key.
  void type(platform::Screen& s, const char* box, const QString& text) {
    auto* edit = find<QLineEdit>(s, box);
    ASSERT_NE(edit, nullptr) << box;
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
    processPending();
  }

  // COMn of the ports folder stands for the device.
  void mapPort(int n, const std::string& device) {
    const std::string link = ports.path().toStdString() + "/COM" + std::to_string(n);
    ASSERT_EQ(::symlink(device.c_str(), link.c_str()), 0);
  }

  std::string configFile() {
    try {
      return platform::readBytes(config::Config::configurationPath());
    } catch (const std::exception&) {
      return {};
    }
  }

  // The line of one element as the file holds it, "" when it is missing.
  std::string configElement(const std::string& name) {
    const std::string file = configFile();
    const std::string open = "      <" + name + ">";
    const std::size_t at = file.find(open);
    if (at == std::string::npos) return {};
    return file.substr(at, file.find("\r\n", at) - at);
  }

  // Every screen put away and the main window on view, as after a start.
  void backToMainWindow() {
    for (ScreenId id : kAllScreens)
      if (app->screenExists(id)) app->screen(id).hide();
    app->form1().show();
    processPending();
  }

  // The names of the screens whose windows are on view, in table order.
  std::vector<std::string> screensOnView() {
    std::vector<std::string> names;
    for (ScreenId id : kAllScreens)
      if (app->screenExists(id) && onView(app->screen(id))) names.emplace_back(screenName(id));
    return names;
  }

  // The screens whose came-from flag is set, in table order.
  std::vector<std::string> cameFrom() {
    std::vector<std::string> names;
    for (ScreenId id : kAllScreens)
      if (app->CameFromForm[idx(id)]) names.emplace_back(screenName(id));
    return names;
  }

  QTemporaryDir ports;
  std::unique_ptr<App> app;
};

}  // namespace guitest
