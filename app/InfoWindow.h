// The information window: the game's description over the whole screen at start. Closing it
// does not end the program; the window logic sends it to the tray and shows the board.
#pragma once

#include <QRect>
#include <QWidget>

#include "tray/HelpWindow.h"

class QPlainTextEdit;

namespace zelvik {

class InfoWindow : public QWidget {
 public:
  // `screen`: the primary screen's rectangle, which the window covers.
  InfoWindow(HelpWindow& help, const QRect& screen);

  QPlainTextEdit* text() const { return text_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // Keeps the whole window, frame included, on the screen once the frame's size is known.
  void FitFrameToScreen();

  HelpWindow& help_;
  QRect screen_;
  QPlainTextEdit* text_;
  int fit_attempts_ = 0;
};

}  // namespace zelvik
