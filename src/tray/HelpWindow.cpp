#include "tray/HelpWindow.h"

namespace zelvik {

HelpWindow::HelpWindow(Platform& platform, DesktopShell& shell)
    : platform_(platform), shell_(shell) {}

HelpWindow::~HelpWindow() = default;

std::string HelpWindow::Caption() { return std::string(36, ' ') + "ZELVIK  INFORMATION"; }

std::string HelpWindow::InformationText() {
  auto spaces = [](int n) { return std::string(n, ' '); };
  const std::string lines[] = {
      spaces(24) + "Welcome To Zelvik" + spaces(9) + "Close this to start game.",
      spaces(29) + "Features" + spaces(2),
      "Modes:" + spaces(10) + "2 - Players" + spaces(3) + "Player against player",
      spaces(16) + "1 - Player" + spaces(4) + "Player against computer",
      spaces(16) + "0 - Players" + spaces(3) + "Computer plays both sides",
      "Markers:" + spaces(2) + "Shows all possible moves whenever mouse is over stone.",
      "Automatic: Detects lack of moves, disallows illegal moves, declares winner.",
      "Move Undo: All moves are saved from beginning to end until game is reset.",
      "Aggressiveness: High and low setting for computer autoplay.",
      spaces(25) + "Instructions",
      "Players: For 2 player action (default), leave at PLAYERS - 2.",
      "For 1 player against computer click the PLAYERS to change to PLAYERS -1",
      spaces(4) + "The game will begin with the computer as the light stones.",
      "For fully automatic play, click DEMO - OFF to DEMO - ON. The game will" + spaces(1),
      spaces(4) + "start with the computer playing both sides.",
      "Game: Roll dice by clicking the ROLL on the dice when it appears. Move a" + spaces(1),
      spaces(4) + "stone by clicking it and dragging it with the mouse button down.",
      spaces(4) + "When a move is completed the die that was used will disappear.",
      "Controls: Start the game by selecting SHOW GAME from the menu that appears",
      spaces(4) + "when the TRAY ICON is clicked." + spaces(2),
  };
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

double HelpWindow::TextFontSize() const {
  const double twips = platform_.GetScreenSize().width_px * 15.0;
  double f = 1;
  if (twips == 12000) f = 1.25;
  if (twips == 15360) f = 1.6;
  if (twips == 19200) f = 2;
  return 9.75 * f;
}

void HelpWindow::Launch() {
  shell_.AddTrayIcon(Caption());
  shell_.SetTrayTip(kTrayTip);
  shell_.SetVisible(WindowKind::kHelp, true);
}

BoardWindow& HelpWindow::Board() {
  if (!board_) {
    board_ = std::make_unique<BoardWindow>(platform_);
    board_->options().on_exit = [this] { ExitFromBoardLabel(); };
    board_->options().on_hide = [this] {
      shell_.AnimateToTray(WindowKind::kGame);
      shell_.SetVisible(WindowKind::kGame, false);
    };
    board_->options().on_help = [this] { shell_.SetVisible(WindowKind::kHelp, true); };
    shell_.BoardCreated(*board_);
    board_->Create();
  }
  return *board_;
}

bool HelpWindow::GameVisible() {
  Board();  // asking whether the board is visible creates it
  return shell_.IsVisible(WindowKind::kGame);
}

void HelpWindow::OnCloseRequest() {
  if (exiting_) return;
  shell_.AnimateToTray(WindowKind::kHelp);
  shell_.SetVisible(WindowKind::kHelp, false);
  Board();
  shell_.SetVisible(WindowKind::kGame, true);
}

void HelpWindow::OnShowGame() {
  shell_.SetVisible(WindowKind::kHelp, false);
  if (!GameVisible()) {
    shell_.AnimateFromTray(WindowKind::kGame);
    shell_.SetVisible(WindowKind::kGame, true);
  }
}

void HelpWindow::OnHideGame() {
  if (GameVisible()) {
    shell_.AnimateToTray(WindowKind::kGame);
    shell_.SetVisible(WindowKind::kGame, false);
  }
}

void HelpWindow::OnShowHelp() {
  if (!shell_.IsVisible(WindowKind::kHelp)) {
    shell_.AnimateFromTray(WindowKind::kHelp);
    shell_.SetVisible(WindowKind::kHelp, true);
  }
}

void HelpWindow::OnHideHelp() {
  if (shell_.IsVisible(WindowKind::kHelp)) {
    shell_.AnimateToTray(WindowKind::kHelp);
    shell_.SetVisible(WindowKind::kHelp, false);
  }
}

void HelpWindow::OnExit() {
  exiting_ = true;
  if (board_) board_->ctx().Exiting = true;
  shell_.RemoveTrayIcon();
  shell_.CloseBoard();
  OnCloseRequest();  // refused; with Exiting set it does nothing more
  shell_.Quit();
}

void HelpWindow::ExitFromBoardLabel() {
  exiting_ = true;
  shell_.RemoveTrayIcon();
  OnCloseRequest();
  shell_.CloseBoard();
  shell_.Quit();
}

bool HelpWindow::OnMenu(std::string_view caption) {
  if (caption == "Show Game") {
    OnShowGame();
  } else if (caption == "Hide Game") {
    OnHideGame();
  } else if (caption == "Show Help") {
    OnShowHelp();
  } else if (caption == "Hide Help") {
    OnHideHelp();
  } else if (caption == "Exit") {
    OnExit();
  } else {
    return false;
  }
  return true;
}

bool HelpWindow::OnTrayMessage(int message) {
  if (message == kTrayRightButtonUp || message == kTrayLeftButtonUp) return true;
  if (message == kTrayLeftDoubleClick && !GameVisible()) {
    shell_.AnimateFromTray(WindowKind::kGame);
    shell_.SetVisible(WindowKind::kGame, true);
  }
  return false;
}

}  // namespace zelvik
