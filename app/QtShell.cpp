#include "app/QtShell.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QStyle>

#include "app/BoardView.h"
#include "app/InfoWindow.h"
#include "app/TrayAnimation.h"
#include "platform/qt/QtPlatform.h"

namespace zelvik {
namespace {

constexpr const char* kMenuItems[] = {"Show Game", "Hide Game", "Show Help", "Hide Help", "Exit"};

QIcon ProgramIcon() {
  QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) icon = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
  return icon;
}

}  // namespace

QtShell::QtShell(QtPlatform& platform)
    : platform_(platform),
      context_(std::make_unique<QObject>()),
      animation_(std::make_unique<TrayAnimation>()) {
  pending_click_.setSingleShot(true);
  QObject::connect(&pending_click_, &QTimer::timeout, context_.get(), [this] {
    if (help_ != nullptr && help_->OnTrayMessage(kTrayLeftButtonUp)) OpenMenu();
  });
}

QtShell::~QtShell() { Detach(); }

void QtShell::Detach() {
  platform_.SetRefresh(nullptr);
  // The windows refer to the window logic and the board: they go before those do.
  board_view_.reset();
  info_.reset();
  help_ = nullptr;
}

void QtShell::Attach(HelpWindow& help) {
  help_ = &help;
  info_ = std::make_unique<InfoWindow>(help, ScreenRect());
  info_->setWindowIcon(ProgramIcon());
  menu_ = std::make_unique<QMenu>(QStringLiteral("File"));
  for (const char* item : kMenuItems) {
    const QString caption = QString::fromLatin1(item);
    QAction* action = menu_->addAction(caption);
    QObject::connect(action, &QAction::triggered, context_.get(), [this, caption] {
      if (help_ != nullptr) help_->OnMenu(caption.toStdString());
    });
  }
}

void QtShell::AddTrayIcon(const std::string& tip) {
  tray_ = std::make_unique<QSystemTrayIcon>(ProgramIcon());
  SetTrayTip(tip);
  QObject::connect(tray_.get(), &QSystemTrayIcon::activated, context_.get(),
                   [this](QSystemTrayIcon::ActivationReason reason) { OnTrayActivated(reason); });
  tray_->show();
}

void QtShell::SetTrayTip(const std::string& tip) {
  if (tray_) tray_->setToolTip(QString::fromStdString(tip).left(kMaxTipLength));
}

void QtShell::RemoveTrayIcon() {
  pending_click_.stop();
  if (tray_) tray_->hide();
}

bool QtShell::TrayUsable() const {
  return tray_ && tray_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void QtShell::OnTrayActivated(QSystemTrayIcon::ActivationReason reason) {
  if (help_ == nullptr) return;
  switch (reason) {
    case QSystemTrayIcon::Trigger:
      // The menu opens once it is clear whether a second click follows; opened at once, it
      // would take the second click of a double click away from the icon.
      if (!pending_click_.isActive()) {
        pending_click_.start(QApplication::doubleClickInterval());
      }
      break;
    case QSystemTrayIcon::Context:
      if (help_->OnTrayMessage(kTrayRightButtonUp)) OpenMenu();
      break;
    case QSystemTrayIcon::DoubleClick:
      help_->OnTrayMessage(kTrayLeftDoubleClick);
      break;
    default:
      break;
  }
}

void QtShell::OpenMenu() {
  if (menu_ && !platform_.shut_down()) menu_->popup(QCursor::pos());
}

QRect QtShell::ScreenRect() const {
  const ScreenSize size = platform_.GetScreenSize();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QPoint origin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
  return QRect(origin, QSize(size.width_px, size.height_px));
}

QWidget* QtShell::Window(WindowKind window) const {
  return window == WindowKind::kGame ? static_cast<QWidget*>(board_view_.get()) : info_.get();
}

QRect QtShell::WindowRect(WindowKind window) const {
  if (window == WindowKind::kGame && board_view_) board_view_->Sync();
  const QWidget* widget = Window(window);
  return widget != nullptr ? widget->frameGeometry() : QRect();
}

void QtShell::Animate(const QRect& from, const QRect& to) {
  if (from.isEmpty() || to.isEmpty()) return;
  // The animation blocks like the system's own: the game's timers wait for it.
  platform_.HoldTimers(true);
  animation_->Run(from, to);
  platform_.HoldTimers(false);
}

void QtShell::AnimateToTray(WindowKind window) {
  if (TrayUsable()) Animate(WindowRect(window), tray_->geometry());
}

void QtShell::AnimateFromTray(WindowKind window) {
  if (TrayUsable()) Animate(tray_->geometry(), WindowRect(window));
}

void QtShell::SetVisible(WindowKind window, bool visible) {
  QWidget* widget = Window(window);
  if (widget == nullptr) return;
  if (visible) {
    if (window == WindowKind::kGame) board_view_->Sync();
    if (widget->isMinimized()) {
      widget->showNormal();
    } else {
      widget->show();
    }
    widget->raise();
    widget->activateWindow();
  } else if (TrayUsable()) {
    widget->hide();
  } else if (widget->isVisible() && !widget->isMinimized()) {
    // No notification area to come back from: the window stays in the task list.
    widget->showMinimized();
  }
}

bool QtShell::IsVisible(WindowKind window) const {
  const QWidget* widget = Window(window);
  return widget != nullptr && widget->isVisible() && !widget->isMinimized();
}

void QtShell::BoardCreated(BoardWindow& board) {
  board_view_ = std::make_unique<BoardView>(board);
  board_view_->setWindowIcon(ProgramIcon());
  board_view_->move(ScreenRect().topLeft());
  platform_.SetRefresh([this] {
    if (board_view_) board_view_->Sync();
  });
}

void QtShell::CloseBoard() {
  if (!board_view_) return;
  board_view_->AllowClose();
  board_view_->close();
}

void QtShell::Quit() {
  pending_click_.stop();
  if (menu_) menu_->close();
  platform_.ShutDown();
  if (info_) info_->hide();
  QCoreApplication::quit();
}

}  // namespace zelvik
