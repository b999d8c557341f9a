// The virtual clock and the self-closing message box.

#include <gtest/gtest.h>

#include "TestBoard.h"
#include "board/Feedback.h"

namespace zelvik {
namespace {

using testing::TestBoard;

TEST(VirtualClockTest, TimersFireWhenDueInTheOrderTheyWereArmed) {
  HeadlessPlatform platform("/nonexistent");
  std::vector<std::string> fired;
  std::unique_ptr<Timer> slow, fast, second;
  slow = platform.CreateTimer(1000, [&] {
    fired.push_back("slow");
    slow->SetEnabled(false);
  });
  fast = platform.CreateTimer(300, [&] { fired.push_back("fast"); });  // keeps firing
  second = platform.CreateTimer(1000, [&] {
    fired.push_back("second");
    second->SetEnabled(false);
  });
  slow->SetEnabled(true);
  second->SetEnabled(true);
  fast->SetEnabled(true);
  platform.RunFor(500);
  slow->SetEnabled(true);  // already armed: the count goes on
  platform.RunFor(500);
  fast->SetEnabled(false);
  EXPECT_EQ(fired, (std::vector<std::string>{"fast", "fast", "fast", "slow", "second"}));
  EXPECT_EQ(platform.now(), 1000);
}

TEST(MessageBoxTest, ABoxClosesAfterThreeSecondsWhileOtherTimersKeepFiring) {
  TestBoard t;
  t.StartNew();
  int ticks = 0;
  auto ticker = t.platform().CreateTimer(1000, [&] { ++ticks; });
  ticker->SetEnabled(true);
  t.ctx().SetBusy(true);
  const auto before = t.platform().now();
  t.ctx().feedback->ShowTimedMessage(kLightsMove);
  EXPECT_EQ(t.platform().now() - before, 3000);
  // At 1 s and 2 s; at 3 s the Message timer, armed earlier than the ticker's third round,
  // closes the box first.
  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(t.platform().OpenMessageBoxes(), 0);
  EXPECT_FALSE(t.ctx().timers.Message->Enabled());
  EXPECT_FALSE(t.ctx().controls.busy_pointer);
}

TEST(MessageBoxTest, ABoxOpenedInsideAnotherGetsItsOwnThreeSeconds) {
  TestBoard t;
  t.StartNew();
  std::unique_ptr<Timer> inner;
  inner = t.platform().CreateTimer(1000, [&] {
    inner->SetEnabled(false);
    t.ctx().feedback->ShowTimedMessage(kDarkWins);
  });
  inner->SetEnabled(true);
  const auto before = t.platform().now();
  t.ctx().feedback->ShowTimedMessage(kLightsMove);
  // The inner box closes with the shared timer at 3 s, the outer one 3 s later: neither is
  // left open for good.
  EXPECT_EQ(t.platform().OpenMessageBoxes(), 0);
  EXPECT_EQ(t.platform().now() - before, 6000);
}

}  // namespace
}  // namespace zelvik
