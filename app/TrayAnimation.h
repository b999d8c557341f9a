// The rectangle that flies between a window and the tray icon when the window is sent to the
// tray or brought back: a frameless window on top whose mask is the rectangle's outline, so it
// needs no compositor. A handful of frames, then it is gone.
#pragma once

#include <QRect>
#include <QWidget>

namespace zelvik {

class TrayAnimation : public QWidget {
 public:
  TrayAnimation();

  static constexpr int kFrames = 8;
  static constexpr int kFrameMs = 30;
  static constexpr int kOutline = 3;  // pixels

  // Draws the rectangle from `from` to `to` (screen coordinates) and returns when done. User
  // input waits meanwhile; the caller decides about timers.
  void Run(const QRect& from, const QRect& to);

  // The rectangle of frame `frame` of `frames`, from the first to the last.
  static QRect FrameRect(const QRect& from, const QRect& to, int frame, int frames);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zelvik
