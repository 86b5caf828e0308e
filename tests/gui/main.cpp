// The GUI tests' main: an application object for the widgets, offscreen
// unless told otherwise. Listing the tests needs no application object (test
// discovery runs without a display).

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include <QApplication>

namespace {

// The offscreen platform reports what it cannot do with windows on every
// show; that says nothing about the program.
QtMessageHandler defaultHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  if (defaultHandler) defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  bool listing = false;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--gtest_list_tests") == 0) listing = true;
  testing::InitGoogleTest(&argc, argv);
  if (listing) return RUN_ALL_TESTS();
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  defaultHandler = qInstallMessageHandler(quietHandler);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Talbren Ruvove Zavi Zaredido"));
  QApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
