#include "app/BoardPainter.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <cmath>
#include <numbers>

#include "app/Units.h"

namespace zelvik {
namespace {

QPointF ToPixels(double x_twips, double y_twips) {
  return {x_twips / kTwipsPerPixel, y_twips / kTwipsPerPixel};
}

// Qt counts arc angles in sixteenths of a degree, counter-clockwise on the screen.
int Sixteenths(double radians) {
  return static_cast<int>(std::lround(radians * 180.0 / std::numbers::pi * 16.0));
}

}  // namespace

void PaintDrawOp(QPainter& painter, const DrawOp& op) {
  QPen pen(QColor::fromRgb(op.color));
  pen.setWidth(std::max(1, op.pen));
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  switch (op.kind) {
    case DrawOp::Kind::kLine:
      painter.drawLine(ToPixels(op.x1, op.y1), ToPixels(op.x2, op.y2));
      break;
    case DrawOp::Kind::kBox:
      painter.drawRect(QRectF(ToPixels(op.x1, op.y1), ToPixels(op.x2, op.y2)).normalized());
      break;
    case DrawOp::Kind::kArc: {
      const double r = op.radius / kTwipsPerPixel;
      const QPointF centre = ToPixels(op.x1, op.y1);
      double span = op.end_angle - op.start_angle;
      if (span <= 0) span += 2 * std::numbers::pi;
      painter.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r),
                      Sixteenths(op.start_angle), Sixteenths(span));
      break;
    }
  }
}

QPixmap RenderBoard(const Controls& controls) {
  QPixmap picture(TwipsToPixels(controls.window_width), TwipsToPixels(controls.window_height));
  picture.fill(QColor::fromRgb(kBoardGreen));
  QPainter painter(&picture);
  for (const DrawOp& op : controls.drawing) PaintDrawOp(painter, op);
  return picture;
}

}  // namespace zelvik
