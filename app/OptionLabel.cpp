#include "app/OptionLabel.h"

#include <QFontMetrics>
#include <QPainter>

#include "app/Units.h"

namespace zelvik {

OptionLabel::OptionLabel(BoardWindow& board, std::string name, std::function<void()> after_event,
                         QWidget* parent)
    : ControlWidget(board, std::move(name), 0, std::move(after_event), parent) {}

QFont OptionLabel::FontFor(const Control& control) {
  return BoldFont({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
                  control.font_size);
}

QSize OptionLabel::SizeFor(const Control& control) const {
  const QFontMetrics metrics(FontFor(control));
  return {metrics.horizontalAdvance(QString::fromStdString(control.caption)), metrics.height()};
}

void OptionLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(FontFor(control()));
  painter.setPen(QColor::fromRgb(control().color));
  painter.drawText(QPointF(0, QFontMetrics(painter.font()).ascent()),
                   QString::fromStdString(control().caption));
}

}  // namespace zelvik
