// The desktop as the script driver sees it: window visibility and the tray icon, recorded.
#pragma once

#include <string>

#include "tray/DesktopShell.h"

namespace zelvik {

class HeadlessShell : public DesktopShell {
 public:
  void AddTrayIcon(const std::string& tip) override {
    icon_ = true;
    tip_ = tip;
  }
  void SetTrayTip(const std::string& tip) override { tip_ = tip; }
  void RemoveTrayIcon() override {
    icon_ = false;
    tip_.clear();
  }
  void AnimateToTray(WindowKind) override {}
  void AnimateFromTray(WindowKind) override {}
  void SetVisible(WindowKind window, bool visible) override {
    (window == WindowKind::kGame ? game_visible_ : help_visible_) = visible;
  }
  bool IsVisible(WindowKind window) const override {
    return window == WindowKind::kGame ? game_visible_ : help_visible_;
  }
  void BoardCreated(BoardWindow&) override { game_exists_ = true; }
  void CloseBoard() override { game_visible_ = false; }
  void Quit() override { quit_ = true; }

  bool game_exists() const { return game_exists_; }
  bool quit() const { return quit_; }
  bool icon() const { return icon_; }
  const std::string& tip() const { return tip_; }

 private:
  bool game_exists_ = false;
  bool game_visible_ = false;
  bool help_visible_ = false;
  bool icon_ = false;
  bool quit_ = false;
  std::string tip_;
};

}  // namespace zelvik
