// A die: the face bitmap stretched to the control's size; a click rolls (the board decides).
#pragma once

#include <QPixmap>
#include <map>

#include "app/ControlWidget.h"

namespace zelvik {

class DiePicture : public ControlWidget {
 public:
  DiePicture(BoardWindow& board, std::string name, int index, std::function<void()> after_event,
             QWidget* parent);

  // The built-in face bitmap for a picture id, loaded once; null when there is none.
  static const QPixmap& Face(int picture);

 protected:
  QSize SizeFor(const Control& control) const override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zelvik
