#include <gtest/gtest.h>

#include "TestBoard.h"
#include "rules/MoveMaker.h"
#include "state/BoardInvariants.h"

namespace zelvik {
namespace {

using testing::Position;
using testing::TestBoard;

constexpr double kW = 15360, kH = 11520, kColumn = 1024;

Position FiveOnSection7() {
  Position p;
  p.player = 1;
  p.dice = {2, 0, 0, 0};
  p.sections = {{7, {1, 2, 3, 4, 5}},
                {9, {6}},
                {24, {7, 8, 9, 10, 11, 12, 13, 14, 15}},
                {12, {16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}}};
  return p;
}

TEST(StackPicturesTest, ASixthStoneNarrowsTheStackAndRemovingItWidensItAgain) {
  TestBoard t;
  t.Start(FiveOnSection7());
  const Controls& c = t.ctx().controls;
  const double base = 0.043 * kH;
  EXPECT_DOUBLE_EQ(c.Stone[3].top, base + 2 * 0.68 * kColumn);

  // Stone 6 joins the stack as a move puts it there: off its section, then placed.
  t.ctx().model.PopStone(6, 9);
  t.ctx().mover->PlaceStone(6, 7);
  for (int level = 2; level <= 5; ++level) {
    EXPECT_DOUBLE_EQ(c.Stone[level].top, base + (level - 1) * 0.3 * kColumn) << level;
  }
  // The sixth stone sits at five narrow steps, nudged down to show the stack is tall.
  EXPECT_DOUBLE_EQ(c.Stone[6].top, base + 5 * 0.3 * kColumn + 0.025 * kH);
  EXPECT_DOUBLE_EQ(c.Stone[6].left, 0.56 * kColumn + 6 * kColumn + 0.45 * kColumn);

  t.ctx().model.PopStone(6, 7);
  t.ctx().mover->ExpandStack(7);
  EXPECT_DOUBLE_EQ(c.Stone[5].top, base + 4 * 0.68 * kColumn);
  EXPECT_EQ(CheckBoardInvariants(t.store()).find("section 7"), std::string::npos);
}

TEST(StackPicturesTest, BottomRowStacksGrowUpwards) {
  TestBoard t;
  t.Start(FiveOnSection7());
  const Controls& c = t.ctx().controls;
  // Nine stones on section 24: narrow spacing measured upwards from the bottom row's base.
  EXPECT_DOUBLE_EQ(c.Stone[8].top, 0.795 * kH - 1 * 0.3 * kColumn);
  EXPECT_DOUBLE_EQ(c.Stone[7].top, 0.795 * kH);
}

struct UseDieCase {
  int die1, die2;
  bool bearing_off;
  int distance;
  int left1, left2;
};

class UseDieTest : public ::testing::TestWithParam<UseDieCase> {};

TEST_P(UseDieTest, MarksTheDieTheMoveSpent) {
  const UseDieCase& c = GetParam();
  TestBoard t;
  Position p;
  p.player = 1;
  p.dice = {c.die1, c.die2, 0, 0};
  p.sections = {{c.bearing_off ? 8 : 20, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
                {1, {16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}}};
  t.Start(p);
  t.ctx().mover->UseDie(1, c.distance);
  EXPECT_EQ(t.store().GetDie(1), c.left1);
  EXPECT_EQ(t.store().GetDie(2), c.left2);
}

INSTANTIATE_TEST_SUITE_P(Table, UseDieTest,
                         ::testing::Values(UseDieCase{5, 3, false, 3, 5, 0},
                                           UseDieCase{5, 3, false, 5, 0, 3},
                                           UseDieCase{5, 3, true, 2, 0, 3},  // larger die spent
                                           UseDieCase{3, 5, true, 2, 3, 0},
                                           UseDieCase{5, 3, true, 3, 5, 0},
                                           UseDieCase{4, 4, false, 4, 4, 4}));  // doubles

TEST(HitStoneTest, TheHitStoneTakesTheFirstFreeSlotAndTheHitterStandsAlone) {
  TestBoard t;
  Position p;
  p.player = 2;
  p.dice = {0, 0, 6, 2};
  p.sections = {{23, {1}},
                {17, {16, 17}},
                {20, {2}},
                {7, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
                {26, {18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}}};
  p.bar = {14, 15};
  t.Start(p);
  t.store().WriteEmpty(kBarSection, "1");  // slot 1 is free again, slot 2 still taken
  t.ctx().model.PopStone(17, 17);
  t.ctx().mover->PlaceStone(17, 23);
  t.ctx().mover->HitStone(23, 1);
  EXPECT_EQ(t.store().GetBarSlot(1), 1);
  EXPECT_EQ(t.store().GetStackHeight(23), 1);
  EXPECT_EQ(t.store().GetBottomStone(23), 17);
  EXPECT_DOUBLE_EQ(t.ctx().controls.Stone[17].top, 0.795 * kH);
  EXPECT_DOUBLE_EQ(t.ctx().controls.Stone[1].left, 0.42 * kW);
  EXPECT_EQ(t.store().FirstFreeBarSlot(), 3);
}

TEST(HitStoneTest, AHitWithFifteenSlotsTakenKeepsTheStoneOnTheBar) {
  // No legal game reaches this (an entry frees its slot before it can hit), but a hand-made
  // file can: the sixteenth stone must still be found by every bar scan.
  TestBoard t;
  Position p;
  p.player = 2;
  p.dice = {0, 0, 6, 2};
  p.sections = {{23, {1}}, {17, {17}}};
  p.bar = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  t.Start(p);
  EXPECT_EQ(t.store().FirstFreeBarSlot(), 16);
  t.ctx().model.PopStone(17, 17);
  t.ctx().mover->PlaceStone(17, 23);
  t.ctx().mover->HitStone(23, 1);
  EXPECT_TRUE(t.store().IsOnBar(1));
  EXPECT_EQ(t.store().GetBarSlot(16), 1);
  t.store().Write(kCurrentPlayerSection, kPlayerKey, 1);
  EXPECT_TRUE(t.ctx().rules->HasStoneOnBar());
  EXPECT_EQ(t.ctx().rules->MoverBarStone(), 1);
}

}  // namespace
}  // namespace zelvik
