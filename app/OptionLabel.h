// An option label along the bottom of the board: its caption in its colour on a transparent
// background, sized to the caption. A click or double click goes to the board window.
#pragma once

#include <QFont>

#include "app/ControlWidget.h"

namespace zelvik {

class OptionLabel : public ControlWidget {
 public:
  OptionLabel(BoardWindow& board, std::string name, std::function<void()> after_event,
              QWidget* parent);

  static QFont FontFor(const Control& control);

 protected:
  QSize SizeFor(const Control& control) const override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zelvik
