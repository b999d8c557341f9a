#include "app/ControlWidget.h"

#include <QMouseEvent>
#include <utility>

#include "app/Units.h"

namespace zelvik {
namespace {

const Control& Lookup(BoardWindow& board, const std::string& name, int index) {
  static const Control kNone{};
  const Control* control = board.controls().Find(name, index);
  return control != nullptr ? *control : kNone;
}

}  // namespace

ControlWidget::ControlWidget(BoardWindow& board, std::string name, int index,
                             std::function<void()> after_event, QWidget* parent)
    : QWidget(parent),
      board_(board),
      name_(std::move(name)),
      index_(index),
      control_(Lookup(board, name_, index)),
      after_event_(std::move(after_event)) {
  // A control keeps the mouse to itself, as a label does: moves over it are not moves over
  // the board.
  setAttribute(Qt::WA_NoMousePropagation);
  hide();
}

bool ControlWidget::ContentChanged(const Control& control) const {
  return !synced_ || control.caption != shown_.caption || control.picture != shown_.picture ||
         control.color != shown_.color || control.font_size != shown_.font_size ||
         control.width != shown_.width || control.height != shown_.height;
}

void ControlWidget::Sync() {
  const Control& control = control_;
  if (!control.visible) {
    if (!isHidden()) hide();
    return;
  }
  const bool changed = ContentChanged(control);
  const QRect place(TwipsToPixels(control.left), TwipsToPixels(control.top), 0, 0);
  const QSize size = changed ? SizeFor(control) : this->size();
  if (geometry() != QRect(place.topLeft(), size)) setGeometry(QRect(place.topLeft(), size));
  if (changed) {
    shown_ = control;
    synced_ = true;
    update();
  }
  if (isHidden()) show();
}

void ControlWidget::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (in_double_click_) {
    in_double_click_ = false;
    return;
  }
  if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
  board_.Click(name_, index_);
  AfterEvent();
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  in_double_click_ = true;
  board_.DoubleClick(name_, index_);
  AfterEvent();
}

}  // namespace zelvik
