// The program's two windows on a desktop without a notification area (the offscreen screen has
// none): the information window at start, and every window reachable after it is sent away.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTextBlock>
#include <memory>

#include "app/BoardView.h"
#include "app/InfoWindow.h"
#include "app/QtShell.h"
#include "platform/qt/QtPlatform.h"
#include "tray/HelpWindow.h"

namespace zelvik {
namespace {

class QtShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    platform_ = std::make_unique<QtPlatform>(dir_.path());
    shell_ = std::make_unique<QtShell>(*platform_);
    help_ = std::make_unique<HelpWindow>(*platform_, *shell_);
    shell_->Attach(*help_);
    help_->Launch();
  }

  void TearDown() override {
    shell_->Detach();
    help_.reset();
    shell_.reset();
  }

  QTemporaryDir dir_;
  std::unique_ptr<QtPlatform> platform_;
  std::unique_ptr<QtShell> shell_;
  std::unique_ptr<HelpWindow> help_;
};

TEST_F(QtShellTest, InformationWindowCoversTheScreenWithTheText) {
  const InfoWindow* info = shell_->info_window();
  ASSERT_NE(info, nullptr);
  EXPECT_TRUE(shell_->IsVisible(WindowKind::kHelp));
  EXPECT_EQ(info->windowTitle().toStdString(), HelpWindow::Caption());
  EXPECT_EQ(info->frameGeometry(), QRect(0, 0, 1024, 768)) << "frame and all";
  EXPECT_EQ(info->text()->geometry(), info->rect()) << "the text fills the window";
  EXPECT_TRUE(info->text()->isReadOnly());
  EXPECT_EQ(help_->board_if_created(), nullptr) << "the board waits until it is asked for";
  ASSERT_NE(shell_->tray_icon(), nullptr);
  EXPECT_EQ(shell_->tray_icon()->toolTip(), QStringLiteral("ZELVIK"));

  const QTextDocument* text = info->text()->document();
  EXPECT_EQ(text->blockCount(), 20);
  const QString expected = QString::fromStdString(HelpWindow::InformationText());
  const QStringList lines = expected.split(QStringLiteral("\r\n"));
  for (int line = 0; line < 20; ++line) {
    EXPECT_EQ(text->findBlockByNumber(line).text(), lines[line]) << "line " << line + 1;
  }

  // Courier New, or its metric twin, bold, 9.75 pt times 1.6 for a 1024-pixel screen.
  const QFontInfo font(info->text()->font());
  EXPECT_TRUE(font.family() == QStringLiteral("Liberation Mono") ||
              font.family() == QStringLiteral("Courier New"))
      << font.family().toStdString();
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.fixedPitch());
  EXPECT_EQ(font.pixelSize(), 21);
}

TEST_F(QtShellTest, TipIsCutToTheIconsRecord) {
  shell_->SetTrayTip(std::string(80, 'x'));
  EXPECT_EQ(shell_->tray_icon()->toolTip().size(), QtShell::kMaxTipLength);
}

// Without a notification area nothing may vanish for good: a window sent away is minimised,
// stays in the task list, and comes back from the menu, the labels or the task list.
TEST_F(QtShellTest, WithoutANotificationAreaWindowsAreMinimisedNotHidden) {
  if (QSystemTrayIcon::isSystemTrayAvailable()) GTEST_SKIP() << "this desktop has a tray";
  ASSERT_FALSE(shell_->TrayUsable());

  shell_->info_window()->close();  // the close box
  ASSERT_NE(help_->board_if_created(), nullptr) << "closing the text shows the board";
  BoardView* board = shell_->board_view();
  ASSERT_NE(board, nullptr);
  EXPECT_TRUE(shell_->IsVisible(WindowKind::kGame));
  EXPECT_FALSE(shell_->IsVisible(WindowKind::kHelp));
  EXPECT_TRUE(shell_->info_window()->isVisible() && shell_->info_window()->isMinimized());

  help_->Board().Click("Hider");  // HIDE
  EXPECT_FALSE(shell_->IsVisible(WindowKind::kGame));
  EXPECT_TRUE(board->isVisible() && board->isMinimized()) << "still in the task list";

  help_->OnMenu("Show Game");
  EXPECT_TRUE(shell_->IsVisible(WindowKind::kGame));
  EXPECT_FALSE(board->isMinimized());

  help_->Board().Click("Helper");  // HELP
  EXPECT_TRUE(shell_->IsVisible(WindowKind::kHelp));
  EXPECT_TRUE(shell_->IsVisible(WindowKind::kGame)) << "the board stays underneath";
}

TEST_F(QtShellTest, ExitRemovesTheIconAndEndsEverything) {
  shell_->info_window()->close();
  BoardWindow& board = help_->Board();
  ASSERT_TRUE(shell_->IsVisible(WindowKind::kGame));
  board.Click("Exiter");  // EXIT
  EXPECT_FALSE(shell_->tray_icon()->isVisible());
  EXPECT_FALSE(shell_->IsVisible(WindowKind::kGame));
  EXPECT_FALSE(shell_->IsVisible(WindowKind::kHelp));
  EXPECT_TRUE(platform_->shut_down());
  EXPECT_TRUE(help_->Exiting());
  // The game stays in its file for the next start.
  EXPECT_TRUE(QFile::exists(QDir(dir_.path()).filePath(QStringLiteral("Zelvik.ini"))));
}

}  // namespace
}  // namespace zelvik
