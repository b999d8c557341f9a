#include "app/InfoWindow.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/Units.h"

namespace zelvik {

InfoWindow::InfoWindow(HelpWindow& help, const QRect& screen)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::WindowMinimizeButtonHint | Qt::CustomizeWindowHint),
      help_(help),
      screen_(screen),
      text_(new QPlainTextEdit(this)) {
  setWindowTitle(QString::fromStdString(HelpWindow::Caption()));
  text_->setObjectName(QStringLiteral("Text1"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(BoldFont({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
                          help.TextFontSize()));
  QString information = QString::fromStdString(HelpWindow::InformationText());
  information.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (information.endsWith(QLatin1Char('\n'))) information.chop(1);
  text_->setPlainText(information);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  // The screen's size and no other: the window cannot be resized.
  setFixedSize(screen_.size());
  move(screen_.topLeft());
}

void InfoWindow::closeEvent(QCloseEvent* event) {
  // Refused always; the window logic decides what closing means.
  event->ignore();
  help_.OnCloseRequest();
}

bool InfoWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  if (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
      event->type() == QEvent::Show) {
    FitFrameToScreen();
  }
  return handled;
}

void InfoWindow::FitFrameToScreen() {
  // The window manager has the last word: after a few tries its placement stands.
  if (isMinimized() || fit_attempts_ >= 4) return;
  const QSize frame_extra = frameGeometry().size() - geometry().size();
  const QSize inner = screen_.size() - frame_extra;
  const bool resize = inner.isValid() && size() != inner;
  const bool reposition = frameGeometry().topLeft() != screen_.topLeft();
  if (!resize && !reposition) return;
  ++fit_attempts_;
  if (resize) setFixedSize(inner);
  if (reposition) move(screen_.topLeft());
}

}  // namespace zelvik
