#include <gtest/gtest.h>

#include "TestBoard.h"
#include "rules/MoveRules.h"

namespace zelvik {
namespace {

using testing::Position;
using testing::TestBoard;

// At 1024 x 768 pixels: W = 15360 and H = 11520 twips, a column w = 1024.
struct HitCase {
  double left, top;
  int section;
};

class SectionAtPositionTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(SectionAtPositionTest, FindsTheDropWindowWithStrictEdges) {
  TestBoard t;
  t.StartNew();
  const HitCase& c = GetParam();
  EXPECT_EQ(t.ctx().rules->SectionAtPosition(c.left, c.top), c.section) << c.left << ", " << c.top;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SectionAtPositionTest,
    ::testing::Values(HitCase{153.7, 1000, 1},  // just inside the first window
                      HitCase{153.6, 1000, 0},  // exactly on its left edge
                      HitCase{921.5, 1000, 1}, HitCase{921.6, 1000, 0},
                      HitCase{600, 322.56, 0},  // exactly on the top edge
                      HitCase{600, 323, 1}, HitCase{600, 4607, 1}, HitCase{600, 4608, 0},
                      HitCase{5500, 1000, 6},  // section 6 ...
                      HitCase{6451, 1000, 0},  // ... the bar column ...
                      HitCase{7000, 1000, 7},  // ... section 7 after the bar gap
                      HitCase{12300, 1000, 12}, HitCase{600, 6000, 13}, HitCase{12300, 9000, 24},
                      HitCase{600, 9331, 13}, HitCase{600, 9332, 0},  // the bottom row's lower edge
                      HitCase{13500, 2000, 25}, HitCase{13500, 6000, 26}, HitCase{13500, 4757, 25},
                      HitCase{13500, 4758, 26},  // between the two trays
                      HitCase{14500, 2000, 0}));

// A Light bearing-off position: stones on sections 8 (point 20), 10 (22) and 12 (24).
Position LightBearingOff(int die1, int die2) {
  Position p;
  p.player = 1;
  p.dice = {die1, die2, 0, 0};
  p.sections = {{8, {1}},
                {10, {2}},
                {12, {3}},
                {25, {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
                {1, {16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}}};
  return p;
}

struct BearOffCase {
  int die1, die2, origin;
  bool allowed;
};

class CanBearOffFromTest : public ::testing::TestWithParam<BearOffCase> {};

TEST_P(CanBearOffFromTest, ALargerDieServesOnlyTheFarthestStone) {
  const BearOffCase& c = GetParam();
  TestBoard t;
  t.Start(LightBearingOff(c.die1, c.die2));
  GameContext& ctx = t.ctx();
  ctx.drag.DragOriginLeft = t.DropLeft(c.origin);
  ctx.drag.DragOriginTop = t.DropTop(c.origin);
  ctx.drag.DropLeft = t.DropLeft(kLightTray);
  ctx.drag.DropTop = t.DropTop(kLightTray);
  EXPECT_TRUE(ctx.rules->CanBearOff());
  EXPECT_EQ(ctx.rules->CanBearOffFrom(), c.allowed);
}

INSTANTIATE_TEST_SUITE_P(Table, CanBearOffFromTest,
                         ::testing::Values(BearOffCase{5, 3, 8, true},    // exact 5
                                           BearOffCase{6, 6, 8, true},    // farthest stone
                                           BearOffCase{6, 6, 10, false},  // section 8 is farther
                                           BearOffCase{2, 1, 10, false},  // both dice too small
                                           BearOffCase{3, 1, 10, true},   // exact 3
                                           BearOffCase{0, 4, 12, false}));

TEST(MoveRulesTest, BarAndBearOffQuestionsSeeOnlyTheirSide) {
  TestBoard t;
  Position p;
  p.player = 1;
  p.dice = {3, 5, 0, 0};
  p.sections = {{7, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
                {20, {17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}}};
  p.bar = {15, 16};
  t.Start(p);
  const MoveRules& rules = *t.ctx().rules;
  EXPECT_TRUE(rules.HasStoneOnBar());
  EXPECT_TRUE(rules.OpponentOnBar());
  EXPECT_EQ(rules.MoverBarStone(), 15);
  EXPECT_FALSE(rules.CanBearOff());  // all home but one on the bar
  EXPECT_FALSE(rules.OpponentReadyToBearOff());
  t.ctx().mover->RemoveFromBar(16);
  EXPECT_TRUE(rules.OpponentReadyToBearOff());
}

}  // namespace
}  // namespace zelvik
