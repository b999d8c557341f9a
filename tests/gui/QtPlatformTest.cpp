// The desktop platform: nested message boxes with timers firing inside them, held timers, the
// busy pointer, sounds that never block, and a program directory the game can always write.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/ProgramDirectory.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/SoundPlayer.h"

namespace zelvik {
namespace {

class QtPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    platform_ = std::make_unique<QtPlatform>(dir_.path());
  }

  QTemporaryDir dir_;
  std::unique_ptr<QtPlatform> platform_;
};

// A timer's handler opens a second box inside the first one's wait; the closing timer closes
// the innermost box first, and each box's caller resumes only when its own box has closed.
TEST_F(QtPlatformTest, MessageBoxesNestAndCloseInnermostFirst) {
  std::vector<std::string> log;
  std::unique_ptr<Timer> opener;
  opener = platform_->CreateTimer(5, [&] {
    opener->SetEnabled(false);
    const QMessageBox* outer = platform_->innermost_box();
    ASSERT_NE(outer, nullptr);
    log.push_back("outer title " + outer->windowTitle().toStdString());
    log.push_back("outer buttons " + std::to_string(outer->buttons().size()));
    platform_->ShowMessageBox("Dark Has No Moves.", "ZELVIK");
    log.push_back("inner returned, open " + std::to_string(platform_->OpenMessageBoxes()));
  });
  std::unique_ptr<Timer> closer = platform_->CreateTimer(30, [&] {
    log.push_back("close with " + std::to_string(platform_->OpenMessageBoxes()) + " open");
    platform_->CloseMessageBox();
  });
  opener->SetEnabled(true);
  closer->SetEnabled(true);
  platform_->ShowMessageBox("Light's Move", "ZELVIK");
  closer->SetEnabled(false);
  log.push_back("outer returned, open " + std::to_string(platform_->OpenMessageBoxes()));

  const std::vector<std::string> expected = {"outer title ZELVIK", "outer buttons 1",
                                             "close with 2 open",  "inner returned, open 1",
                                             "close with 1 open",  "outer returned, open 0"};
  EXPECT_EQ(log, expected);
  EXPECT_FALSE(platform_->CloseMessageBox()) << "no box is open";
}

TEST_F(QtPlatformTest, ShutDownClosesOpenBoxesAndRefusesNewOnes) {
  std::unique_ptr<Timer> ender = platform_->CreateTimer(5, [&] { platform_->ShutDown(); });
  ender->SetEnabled(true);
  platform_->ShowMessageBox("Light Wins.", "ZELVIK");  // returns: the program is ending
  EXPECT_EQ(platform_->OpenMessageBoxes(), 0);
  EXPECT_FALSE(ender->Enabled());
  platform_->ShowMessageBox("Dark Wins.", "ZELVIK");  // returns at once
  EXPECT_EQ(platform_->OpenMessageBoxes(), 0);
}

// While an animation holds the timers, a firing that falls due waits and runs once afterwards.
TEST_F(QtPlatformTest, HeldTimersFireOnceWhenReleased) {
  int fired = 0;
  std::unique_ptr<Timer> timer;
  timer = platform_->CreateTimer(1, [&] {
    ++fired;
    timer->SetEnabled(false);
  });
  platform_->HoldTimers(true);
  timer->SetEnabled(true);
  QTest::qWait(30);
  EXPECT_EQ(fired, 0);
  platform_->HoldTimers(false);
  EXPECT_EQ(fired, 0) << "not from inside the caller";
  QTest::qWait(30);
  EXPECT_EQ(fired, 1);
}

TEST_F(QtPlatformTest, RefreshRunsAfterTimersAndBeforePendingEvents) {
  std::vector<std::string> log;
  platform_->SetRefresh([&] { log.push_back("refresh"); });
  std::unique_ptr<Timer> timer;
  timer = platform_->CreateTimer(1, [&] {
    log.push_back("handler");
    timer->SetEnabled(false);
  });
  timer->SetEnabled(true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !timer->Enabled(); }, 1000));
  platform_->ProcessPendingEvents();
  const std::vector<std::string> expected = {"handler", "refresh", "refresh"};
  EXPECT_EQ(log, expected);
}

TEST_F(QtPlatformTest, EnablingAnEnabledTimerKeepsIt) {
  std::unique_ptr<Timer> timer = platform_->CreateTimer(3000, [] {});
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 3000);
  timer->SetEnabled(true);
  timer->SetEnabled(true);
  EXPECT_TRUE(timer->Enabled());
  timer->SetEnabled(false);
  EXPECT_FALSE(timer->Enabled());
}

TEST_F(QtPlatformTest, BusyPointerIsOneBalancedOverride) {
  platform_->SetBusyPointer(true);
  platform_->SetBusyPointer(true);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  platform_->SetBusyPointer(false);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  platform_->SetBusyPointer(false);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// With or without a sound device, playing returns and the game goes on; an id that is no sound
// plays nothing.
TEST_F(QtPlatformTest, SoundsNeverBlockTheGame) {
  for (int id : {29, 29, 27, 30, 28, 31, 0, -1}) platform_->PlaySound(id);
  QTest::qWait(20);
  SUCCEED();
}

// The four sounds are built in where the player looks for them, in a format Qt decodes (the
// sound device plays no part in that).
TEST(SoundPlayerTest, BuiltInSoundsAreFoundAndDecode) {
  SoundPlayer player(27, 31);
  for (int id = 27; id <= 30; ++id) {
    EXPECT_TRUE(player.Has(id)) << id;
    QSoundEffect effect;
    effect.setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(id)));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
          return effect.status() != QSoundEffect::Loading && effect.status() != QSoundEffect::Null;
        },
        5000))
        << id;
    EXPECT_EQ(effect.status(), QSoundEffect::Ready) << id;
  }
  EXPECT_FALSE(player.Has(31));
}

TEST(ProgramDirectoryTest, WritableExecutableDirectoryIsUsed) {
  QTemporaryDir preferred;
  QTemporaryDir other;
  const QString fallback = other.filePath(QStringLiteral("data"));
  EXPECT_EQ(ChooseProgramDirectory(preferred.path(), fallback), QDir::cleanPath(preferred.path()));
  EXPECT_FALSE(QDir(fallback).exists());
  EXPECT_EQ(
      QDir(preferred.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
      QStringList())
      << "the probe file is removed";
}

TEST(ProgramDirectoryTest, UnwritableExecutableDirectoryFallsBackToCreatedDataDirectory) {
  QTemporaryDir scratch;
  // A directory that cannot hold files: a path below a plain file (permissions would not stop
  // a test run as root).
  QFile plain(scratch.filePath(QStringLiteral("plain")));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  const QString unwritable = scratch.filePath(QStringLiteral("plain/bin"));
  const QString fallback = scratch.filePath(QStringLiteral("share/zelvik"));
  EXPECT_FALSE(CanWriteIn(unwritable));
  EXPECT_EQ(ChooseProgramDirectory(unwritable, fallback), QDir::cleanPath(fallback));
  EXPECT_TRUE(CanWriteIn(fallback));
}

}  // namespace
}  // namespace zelvik
