// The desktop as the window logic sees it: the two windows, the tray icon with its menu, the
// animation, and the end of the program.
//
// Where the desktop has no notification area, a window that would go to the tray is minimised
// instead, so that it stays in the task list and can always be brought back.
#pragma once

#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>
#include <memory>

#include "tray/DesktopShell.h"
#include "tray/HelpWindow.h"

class QMenu;
class QWidget;

namespace zelvik {

class BoardView;
class InfoWindow;
class QtPlatform;
class TrayAnimation;

class QtShell : public DesktopShell {
 public:
  explicit QtShell(QtPlatform& platform);
  ~QtShell() override;
  QtShell(const QtShell&) = delete;
  QtShell& operator=(const QtShell&) = delete;

  // Creates the information window for the window logic; before HelpWindow::Launch.
  void Attach(HelpWindow& help);
  // Lets the windows go while the window logic still exists; after the event loop ends.
  void Detach();

  void AddTrayIcon(const std::string& tip) override;
  void SetTrayTip(const std::string& tip) override;
  void RemoveTrayIcon() override;
  void AnimateToTray(WindowKind window) override;
  void AnimateFromTray(WindowKind window) override;
  void SetVisible(WindowKind window, bool visible) override;
  bool IsVisible(WindowKind window) const override;
  void BoardCreated(BoardWindow& board) override;
  void CloseBoard() override;
  void Quit() override;

  // True when windows go to the tray icon; false when they are minimised instead.
  bool TrayUsable() const;

  InfoWindow* info_window() const { return info_.get(); }
  BoardView* board_view() const { return board_view_.get(); }
  QSystemTrayIcon* tray_icon() const { return tray_.get(); }
  QMenu* tray_menu() const { return menu_.get(); }

  // The longest tip the icon takes, as the notification area's record holds it.
  static constexpr int kMaxTipLength = 63;

 private:
  // The primary screen, where both windows stand.
  QRect ScreenRect() const;
  QWidget* Window(WindowKind window) const;
  QRect WindowRect(WindowKind window) const;
  void Animate(const QRect& from, const QRect& to);
  void OnTrayActivated(QSystemTrayIcon::ActivationReason reason);
  void OpenMenu();

  QtPlatform& platform_;
  HelpWindow* help_ = nullptr;
  std::unique_ptr<QObject> context_;  // receiver of the icon's and the menu's signals
  std::unique_ptr<InfoWindow> info_;
  std::unique_ptr<BoardView> board_view_;
  std::unique_ptr<QMenu> menu_;
  std::unique_ptr<QSystemTrayIcon> tray_;
  std::unique_ptr<TrayAnimation> animation_;
  QTimer pending_click_;  // a left click waits to see whether it becomes a double click
};

}  // namespace zelvik
