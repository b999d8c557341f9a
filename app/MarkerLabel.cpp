#include "app/MarkerLabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include "app/Units.h"

namespace zelvik {

MarkerLabel::MarkerLabel(BoardWindow& board, int section, QWidget* parent)
    : ControlWidget(board, "Display", section, nullptr, parent) {}

QSize MarkerLabel::SizeFor(const Control& control) const {
  const int em = PointsToPixels(control.font_size);
  return {em, em};
}

void MarkerLabel::paintEvent(QPaintEvent*) {
  const double em = PointsToPixels(control().font_size);
  const double half_base = em * kBasePerEm / 2;
  const double half_height = em * kHeightPerEm / 2;
  const double cx = width() / 2.0;
  const double cy = height() / 2.0;
  // "5" is the upward arrow head, "6" the downward one.
  const double tip = control().caption == "6" ? half_height : -half_height;
  const QPolygonF head({{cx - half_base, cy - tip}, {cx + half_base, cy - tip}, {cx, cy + tip}});
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgb(control().color));
  painter.drawPolygon(head);
}

void MarkerLabel::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void MarkerLabel::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

}  // namespace zelvik
