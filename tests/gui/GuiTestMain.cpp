// The GUI tests run offscreen on a 1024 x 768 screen at 96 dots per inch, with no scaling.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
  QTemporaryDir dir;
  const QString config = dir.filePath(QStringLiteral("screen.json"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": 1024, "height": 768,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QDir::toNativeSeparators(config).toUtf8());
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
