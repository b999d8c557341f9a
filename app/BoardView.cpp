#include "app/BoardView.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "app/BoardPainter.h"
#include "app/DiePicture.h"
#include "app/MarkerLabel.h"
#include "app/OptionLabel.h"
#include "app/StoneLabel.h"
#include "app/Units.h"

namespace zelvik {

BoardView::BoardView(BoardWindow& board, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), board_(board) {
  setWindowTitle(QStringLiteral("ZELVIK"));
  setMouseTracking(true);
  const auto sync = [this] { Sync(); };
  // Created bottom to top: markers and dice under the option labels, stones over everything.
  for (int section = 1; section <= 26; ++section) {
    controls_.push_back(new MarkerLabel(board_, section, this));
  }
  for (const char* die : {"LightDie", "DarkDie"}) {
    for (int index = 1; index <= 2; ++index) {
      controls_.push_back(new DiePicture(board_, die, index, sync, this));
    }
  }
  for (const char* label :
       {"Reset", "Undo", "Players", "Demo", "Exiter", "Helper", "Hit", "Marker", "Hider"}) {
    controls_.push_back(new OptionLabel(board_, label, sync, this));
  }
  for (int stone = 1; stone <= 30; ++stone) {
    controls_.push_back(new StoneLabel(board_, stone, sync, this));
  }
}

void BoardView::Sync() {
  const Controls& controls = board_.controls();
  if (!drawn_ && !controls.drawing.empty()) {
    // The core draws the board once, when the window is created; so does the view.
    picture_ = RenderBoard(controls);
    drawn_ = true;
    const QSize size(TwipsToPixels(controls.window_width), TwipsToPixels(controls.window_height));
    setFixedSize(size);
    update();
  }
  for (ControlWidget* control : controls_) control->Sync();
}

ControlWidget* BoardView::FindControl(const std::string& name, int index) const {
  for (ControlWidget* control : controls_) {
    if (control->name() == name && control->index() == index) return control;
  }
  return nullptr;
}

void BoardView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), QColor::fromRgb(kBoardGreen));
  if (drawn_) painter.drawPixmap(event->rect(), picture_, event->rect());
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  board_.BoardMouseMove();
  Sync();
}

void BoardView::closeEvent(QCloseEvent* event) {
  // The board is hidden through HIDE or the tray menu and ends only with the program.
  if (close_allowed_) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace zelvik
