// Zelvik: backgammon on the desktop. The information window opens first, with the icon in the
// notification area; the board window follows when it is first asked for.
#include <QApplication>
#include <QIcon>

#include "app/QtShell.h"
#include "platform/qt/QtPlatform.h"
#include "tray/HelpWindow.h"

int main(int argc, char* argv[]) {
  // Every place on the board is counted at 15 twips to the device pixel: no scaling.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zelvik"));
  QApplication::setOrganizationName(QStringLiteral("Zelvik"));
  // Both windows may be hidden while the game plays on (a message box closing then is no end).
  QApplication::setQuitOnLastWindowClosed(false);
  QIcon icon(QStringLiteral(":/icon/zelvik.png"));
  icon.addFile(QStringLiteral(":/icon/zelvik-64.png"));
  QApplication::setWindowIcon(icon);

  zelvik::QtPlatform platform;
  zelvik::QtShell shell(platform);
  zelvik::HelpWindow help(platform, shell);
  shell.Attach(help);
  help.Launch();
  const int result = QApplication::exec();
  shell.Detach();
  return result;
}
