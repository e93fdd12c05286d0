// Widget tests need an application object; they run headless unless told
// otherwise.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The artwork lives in a static library, whose resources are registered by hand.
  Q_INIT_RESOURCE(artwork);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
