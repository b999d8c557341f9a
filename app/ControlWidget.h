// A control of the board window on the screen: it shows one entry of the core's controls and
// forwards its mouse events to the board window. It holds no game state of its own.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "board/BoardWindow.h"

namespace zelvik {

class ControlWidget : public QWidget {
 public:
  // `after_event` runs after every event forwarded to the board (the view brings every control
  // up to date).
  ControlWidget(BoardWindow& board, std::string name, int index, std::function<void()> after_event,
                QWidget* parent);

  // Shows the control as the core has it now: visibility, place, size and content.
  void Sync();

  const std::string& name() const { return name_; }
  int index() const { return index_; }
  const Control& control() const { return control_; }

 protected:
  // The widget's size for the control as it is; labels size themselves to their caption.
  virtual QSize SizeFor(const Control& control) const = 0;

  // Click and double click as a label receives them: a click is a left-button release inside
  // the control; the release that ends a double click is no click.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

  BoardWindow& board() { return board_; }
  void AfterEvent() {
    if (after_event_) after_event_();
  }

 private:
  bool ContentChanged(const Control& control) const;

  BoardWindow& board_;
  std::string name_;
  int index_;
  const Control& control_;
  std::function<void()> after_event_;
  Control shown_;
  bool synced_ = false;
  bool in_double_click_ = false;
};

}  // namespace zelvik
