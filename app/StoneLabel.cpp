#include "app/StoneLabel.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/Units.h"

namespace zelvik {

int ButtonMask(Qt::MouseButtons buttons) {
  int mask = 0;
  if (buttons & Qt::LeftButton) mask |= 1;
  if (buttons & Qt::RightButton) mask |= 2;
  if (buttons & Qt::MiddleButton) mask |= 4;
  return mask;
}

StoneLabel::StoneLabel(BoardWindow& board, int stone, std::function<void()> after_event,
                       QWidget* parent)
    : ControlWidget(board, "Stone", stone, std::move(after_event), parent) {
  // Moves without a button pressed show the legal-move markers.
  setMouseTracking(true);
}

QSize StoneLabel::SizeFor(const Control& control) const {
  const int em = PointsToPixels(control.font_size);
  return {em, em};
}

void StoneLabel::paintEvent(QPaintEvent*) {
  const double em = PointsToPixels(control().font_size);
  const double d = em * kDiscPerEm;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgb(control().color));
  painter.drawEllipse(QRectF((width() - d) / 2, (height() - d) / 2, d, d));
}

void StoneLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
  raise();  // a stone being dragged passes over the others
  const QPointF at = event->position() * kTwipsPerPixel;
  board().StoneMouseDown(index(), ButtonMask(event->button()), at.x(), at.y());
  AfterEvent();
}

void StoneLabel::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  const QPointF at = event->position() * kTwipsPerPixel;
  board().StoneMouseMove(index(), ButtonMask(event->buttons()), at.x(), at.y());
  AfterEvent();
}

void StoneLabel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  const QPointF at = event->position() * kTwipsPerPixel;
  board().StoneMouseUp(index(), ButtonMask(event->button()), at.x(), at.y());
  AfterEvent();
}

}  // namespace zelvik
