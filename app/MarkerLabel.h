// A legal-move marker: a red arrow head pointing up ("5") or down ("6") at its section.
#pragma once

#include "app/ControlWidget.h"

namespace zelvik {

class MarkerLabel : public ControlWidget {
 public:
  MarkerLabel(BoardWindow& board, int section, QWidget* parent);

  // The arrow head's size as shares of the font's em, as the symbol font draws it.
  static constexpr double kBasePerEm = 0.5;
  static constexpr double kHeightPerEm = 0.28;

 protected:
  QSize SizeFor(const Control& control) const override;
  void paintEvent(QPaintEvent* event) override;
  // Markers take no clicks.
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace zelvik
