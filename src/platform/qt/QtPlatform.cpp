#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <random>

#include "board/Feedback.h"
#include "platform/qt/ProgramDirectory.h"
#include "platform/qt/QtTimer.h"
#include "platform/qt/SoundPlayer.h"

namespace zelvik {
namespace {

std::uint64_t RandomSeed() {
  std::random_device device;
  return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

QString DefaultProgramDirectory() {
  return ChooseProgramDirectory(QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

}  // namespace

QtPlatform::QtPlatform(const QString& program_dir)
    : context_(std::make_unique<QObject>()),
      program_dir_((program_dir.isEmpty() ? DefaultProgramDirectory() : program_dir).toStdString()),
      dice_(RandomSeed()),
      sounds_(std::make_unique<SoundPlayer>(kSoundDiceRoll, kSoundTune)) {}

QtPlatform::~QtPlatform() {
  // Timers outliving the platform must not call back into it.
  for (QtTimer* timer : timers_) timer->SetEnabled(false);
}

std::unique_ptr<Timer> QtPlatform::CreateTimer(int interval_ms, std::function<void()> handler) {
  return std::make_unique<QtTimer>(*this, interval_ms, std::move(handler));
}

void QtPlatform::Unregister(QtTimer* timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

void QtPlatform::ShowMessageBox(const std::string& text, const std::string& title) {
  if (shut_down_) return;
  // Owned by the program's active window; with both windows hidden there is none.
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.setDefaultButton(QMessageBox::Ok);
  // Wide enough for the title to show in the caption bar, short texts and all.
  const int title_width = box.fontMetrics().horizontalAdvance(box.windowTitle());
  box.setStyleSheet(QStringLiteral("QLabel { min-width: %1px; }").arg(title_width + 96));
  boxes_.push_back(&box);
  Refresh();
  // A nested loop: the game's timers keep firing while the box waits.
  box.exec();
  boxes_.erase(std::remove(boxes_.begin(), boxes_.end(), &box), boxes_.end());
}

bool QtPlatform::CloseMessageBox() {
  if (boxes_.empty()) return false;
  QMessageBox* box = boxes_.back();
  // Leaves the stack when its loop has ended; it must not be closed twice meanwhile.
  boxes_.pop_back();
  box->done(QMessageBox::Ok);
  return true;
}

void QtPlatform::PlaySound(int id) {
  if (!shut_down_) sounds_->Play(id);
}

void QtPlatform::SetBusyPointer(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  // One override for the whole program, balanced: both windows and the boxes show it.
  if (busy) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  } else {
    QGuiApplication::restoreOverrideCursor();
  }
}

void QtPlatform::ProcessPendingEvents() {
  Refresh();
  QCoreApplication::processEvents();
}

ScreenSize QtPlatform::GetScreenSize() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QSize size = screen->geometry().size();
  return {size.width(), size.height()};
}

void QtPlatform::Refresh() {
  if (refresh_) refresh_();
}

void QtPlatform::HoldTimers(bool hold) {
  hold_ += hold ? 1 : -1;
  if (hold_ > 0) return;
  hold_ = 0;
  // From the event loop, not from inside the caller: the held handlers run as they would have.
  QTimer::singleShot(0, context_.get(), [this] {
    const std::vector<QtTimer*> timers = timers_;
    for (QtTimer* timer : timers) {
      if (std::find(timers_.begin(), timers_.end(), timer) != timers_.end()) timer->FireHeld();
    }
  });
}

void QtPlatform::ShutDown() {
  shut_down_ = true;
  for (QtTimer* timer : timers_) timer->SetEnabled(false);
  while (CloseMessageBox()) {
  }
  SetBusyPointer(false);
}

}  // namespace zelvik
