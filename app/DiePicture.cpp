#include "app/DiePicture.h"

#include <QPainter>

#include "app/Units.h"

namespace zelvik {

DiePicture::DiePicture(BoardWindow& board, std::string name, int index,
                       std::function<void()> after_event, QWidget* parent)
    : ControlWidget(board, std::move(name), index, std::move(after_event), parent) {}

QPixmap DiePicture::Face(int picture) {
  return QPixmap(QStringLiteral(":/dice/%1.bmp").arg(picture));
}

QSize DiePicture::SizeFor(const Control& control) const {
  return {TwipsToPixels(control.width), TwipsToPixels(control.height)};
}

void DiePicture::paintEvent(QPaintEvent*) {
  const QPixmap face = Face(control().picture);
  if (face.isNull()) return;
  QPainter painter(this);
  // Stretched pixel for pixel, as a picture box stretches its bitmap: no smoothing.
  painter.drawPixmap(rect(), face);
}

}  // namespace zelvik
