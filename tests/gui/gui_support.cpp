#include "gui_support.h"

#include <fstream>

#include <QPainter>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTest>
#include <QThread>
#include <QWidget>

#include "platform/qt/screenshot.h"
#include "shell/form1.h"

namespace guitest {

QString screenshotPath(const QString& name) {
  const QString dir = QStringLiteral(TALBREN_SCREENSHOT_DIR);
  QDir().mkpath(dir);
  return dir + QLatin1Char('/') + name + QStringLiteral(".png");
}

bool saveShot(const QImage& image, const QString& name) {
  return !image.isNull() && image.save(screenshotPath(name));
}

bool saveShot(QWidget* widget, const QString& name) {
  return widget && saveShot(widget->grab().toImage(), name);
}

bool saveShot(platform::Screen& screen, const QString& name) {
  return saveShot(platform::qt::grabScreen(screen), name);
}

bool processUntil(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return done();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(1);
  }
  return true;
}

void processPending() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace guitest

namespace guitest {

void ProgramFolder::writeIcon(IconFile kind) {
  const QString ico = folder.filePath(QStringLiteral("Recorder.ico"));
  if (kind == IconFile::Valid) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setBrush(Qt::darkBlue);
    p.drawEllipse(2, 2, 28, 28);
    p.end();
    ASSERT_TRUE(image.save(ico, "ICO"));
  } else if (kind == IconFile::Unreadable) {
    std::ofstream(ico.toStdString()) << "not a picture";
  }
}

void ProgramFolder::startProgram(App& app) {
  app.start();
  const platform::Timer& delay = app.form1().StartupDelay;
  ASSERT_TRUE(processUntil([&] { return !delay.enabled() && !delay.running(); }))
      << "the start sequence did not run";
  processPending();
}

QWidget* WindowTest::top(platform::Screen& s) {
  platform::qt::ScreenWindow* w = ui.windowOf(s);
  return w ? w->builtWidget() : nullptr;
}

bool WindowTest::onView(platform::Screen& s) {
  QWidget* w = top(s);
  return w && w->isVisible();
}

void WindowTest::click(QWidget* w, std::optional<QPoint> at) {
  ASSERT_NE(w, nullptr);
  QTest::mouseClick(w, Qt::LeftButton, {}, at.value_or(QPoint()));
  processPending();
}

void WindowTest::shot(platform::Screen& s, const char* name) {
  processPending();
  EXPECT_TRUE(saveShot(s, QString::fromLatin1(name))) << name;
}

}  // namespace guitest
