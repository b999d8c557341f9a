#include "app/TrayAnimation.h"

#include <QEventLoop>
#include <QPainter>
#include <QRegion>
#include <QTimer>
#include <cmath>

namespace zelvik {
namespace {

int Between(int a, int b, double t) { return a + static_cast<int>(std::lround((b - a) * t)); }

QRegion Outline(const QSize& size) {
  const QRect outer(QPoint(0, 0), size);
  const QRect inner = outer.adjusted(TrayAnimation::kOutline, TrayAnimation::kOutline,
                                     -TrayAnimation::kOutline, -TrayAnimation::kOutline);
  if (!inner.isValid()) return QRegion(outer);
  return QRegion(outer).subtracted(QRegion(inner));
}

}  // namespace

TrayAnimation::TrayAnimation()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRect TrayAnimation::FrameRect(const QRect& from, const QRect& to, int frame, int frames) {
  const double t = frames <= 1 ? 1.0 : static_cast<double>(frame) / (frames - 1);
  return QRect(
      QPoint(Between(from.left(), to.left(), t), Between(from.top(), to.top(), t)),
      QPoint(Between(from.right(), to.right(), t), Between(from.bottom(), to.bottom(), t)));
}

void TrayAnimation::Run(const QRect& from, const QRect& to) {
  for (int frame = 0; frame < kFrames; ++frame) {
    const QRect rect = FrameRect(from, to, frame, kFrames);
    setGeometry(rect);
    setMask(Outline(rect.size()));
    if (isHidden()) show();
    raise();
    update();
    QEventLoop wait;
    QTimer::singleShot(kFrameMs, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
  }
  hide();
}

void TrayAnimation::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Highlight));
}

}  // namespace zelvik
