// A die: the face bitmap stretched to the control's size; a click rolls (the board decides).
#pragma once

#include <QPixmap>

#include "app/ControlWidget.h"

namespace zelvik {

class DiePicture : public ControlWidget {
 public:
  DiePicture(BoardWindow& board, std::string name, int index, std::function<void()> after_event,
             QWidget* parent);

  // The built-in face bitmap for a picture id (Qt keeps loaded pictures in its cache); null
  // when there is none.
  static QPixmap Face(int picture);

 protected:
  QSize SizeFor(const Control& control) const override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zelvik
