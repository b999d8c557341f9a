// A stone: a disc in the stone's colour, dragged with the mouse. Every mouse event goes to the
// board window, which decides whether the stone may move and where its picture stands.
#pragma once

#include "app/ControlWidget.h"

namespace zelvik {

// Mouse buttons as the board window counts them: left 1, right 2, middle 4.
int ButtonMask(Qt::MouseButtons buttons);

class StoneLabel : public ControlWidget {
 public:
  StoneLabel(BoardWindow& board, int stone, std::function<void()> after_event, QWidget* parent);

  // The disc's diameter as a share of the font's em: the size the circle glyph of the stone
  // font has.
  static constexpr double kDiscPerEm = 0.69;

 protected:
  QSize SizeFor(const Control& control) const override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // The second press of a double click is a press like any other: it may start a drag, and the
  // release that follows must find where the stone was picked up.
  void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
};

}  // namespace zelvik
