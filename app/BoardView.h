// The board window on the screen: frameless, the screen's size, the board picture drawn once
// and the controls on top of it, every one of them a view of the core's controls.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <vector>

#include "board/BoardWindow.h"

namespace zelvik {

class ControlWidget;

class BoardView : public QWidget {
 public:
  explicit BoardView(BoardWindow& board, QWidget* parent = nullptr);

  // Brings the window and every control up to date with the core: the board picture the first
  // time the core has drawn it, then places, captions, faces and visibility.
  void Sync();

  // Lets the window close for good (the program ends); until then a close request is refused.
  void AllowClose() { close_allowed_ = true; }

  const QPixmap& board_picture() const { return picture_; }
  ControlWidget* FindControl(const std::string& name, int index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  BoardWindow& board_;
  QPixmap picture_;
  bool drawn_ = false;
  bool close_allowed_ = false;
  std::vector<ControlWidget*> controls_;  // children, owned by Qt
};

}  // namespace zelvik
