#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "TestBoard.h"
#include "computer/AutoPlay.h"
#include "computer/MovePlanner.h"
#include "computer/MoveScoring.h"
#include "game/NoMoveCheck.h"
#include "rules/MoveRules.h"

namespace zelvik {
namespace {

using testing::Position;
using testing::TestBoard;

Position At(int player, std::array<int, 4> dice, std::map<int, std::vector<int>> sections,
            std::vector<int> bar = {}) {
  Position position;
  position.player = player;
  position.dice = dice;
  position.sections = std::move(sections);
  position.bar = std::move(bar);
  return position;
}

// die1, die2, stone1, stone2, from1, from2, to1, to2
using PairFields = std::tuple<int, int, int, int, int, int, int, int>;

std::vector<PairFields> ListedPairs(const GameContext& ctx) {
  std::vector<PairFields> listed;
  for (int entry = 1; entry <= kPairCandidateCount; ++entry) {
    const PairCandidate& c = ctx.PairCandidates[entry];
    if (c.die1 == 0) break;
    listed.emplace_back(c.die1, c.die2, c.stone1, c.stone2, c.from1, c.from2, c.to1, c.to2);
  }
  return listed;
}

// from, to, stone, die
using SingleFields = std::tuple<int, int, int, int>;

std::vector<SingleFields> ListedSingles(const GameContext& ctx) {
  std::vector<SingleFields> listed;
  for (int entry = 1; entry <= kSingleCandidateCount; ++entry) {
    const SingleCandidate& c = ctx.SingleCandidates[entry];
    if (c.die == 0) break;
    listed.emplace_back(c.from, c.to, c.stone, c.die);
  }
  return listed;
}

TEST(PairListingTest, SectionsAscendingThenShapesABCD) {
  TestBoard board;
  // Light: stones 1, 2 on section 24 (point 1), stone 3 on 13 (point 12); dice 1 and 2.
  board.Start(At(kLight, {1, 2, 0, 0}, {{24, {1, 2}}, {13, {3}}, {12, {16, 17}}}));
  ASSERT_TRUE(board.ctx().planner->ListPairCandidates());
  const std::vector<PairFields> expected = {
      {1, 2, 3, 3, 13, 1, 1, 3},    // a: stone 3 plays 1 then 2
      {2, 1, 3, 3, 13, 2, 2, 3},    // b: 2 then 1
      {1, 2, 3, 2, 13, 24, 1, 22},  // c: 1 from 13, 2 from 24
      {2, 1, 3, 2, 13, 24, 2, 23},  // d: 2 from 13, 1 from 24
      {1, 2, 2, 2, 24, 23, 23, 21}, {2, 1, 2, 2, 24, 22, 22, 21}, {1, 2, 2, 3, 24, 13, 23, 2},
      {1, 2, 2, 1, 24, 24, 23, 22},  // the same stack: the stone below the top moves second
      {2, 1, 2, 3, 24, 13, 22, 1},  {2, 1, 2, 1, 24, 24, 22, 23},
  };
  EXPECT_EQ(ListedPairs(board.ctx()), expected);
}

TEST(PairListingTest, HeldSectionsAreSkippedAndBlotsAreListed) {
  TestBoard board;
  // Dark holds section 22 (point 3) and has a blot on 23 (point 2); Light's stone on 24.
  board.Start(At(kLight, {1, 2, 0, 0}, {{24, {1}}, {22, {16, 17}}, {23, {18}}}));
  ASSERT_TRUE(board.ctx().planner->ListPairCandidates());
  const std::vector<PairFields> expected = {
      {1, 2, 1, 1, 24, 23, 23, 21},  // hits on the way; b would pass through the held 22
  };
  EXPECT_EQ(ListedPairs(board.ctx()), expected);
}

TEST(PairListingTest, DarkCountsItsOwnWay) {
  TestBoard board;
  // Dark: stone 16 on section 12 (point 1); Light holds section 10 (Dark's point 3).
  board.Start(At(kDark, {0, 0, 4, 1}, {{12, {16}}, {10, {1, 2}}, {24, {3, 4}}}));
  ASSERT_TRUE(board.ctx().planner->ListPairCandidates());
  const std::vector<PairFields> expected = {
      {4, 1, 16, 16, 12, 8, 8, 7},
      {1, 4, 16, 16, 12, 11, 11, 7},
  };
  EXPECT_EQ(ListedPairs(board.ctx()), expected);
}

TEST(PairListingTest, DoublesListEveryShapeTwice) {
  TestBoard board;
  board.Start(At(kLight, {3, 3, 0, 0}, {{24, {1}}, {20, {2}}, {1, {16, 17}}}));
  ASSERT_TRUE(board.ctx().planner->ListPairCandidates());
  const std::vector<PairFields> expected = {
      {3, 3, 2, 2, 20, 17, 17, 14}, {3, 3, 2, 2, 20, 17, 17, 14},   // a, b
      {3, 3, 2, 1, 20, 24, 17, 21}, {3, 3, 2, 1, 20, 24, 17, 21},   // c, d
      {3, 3, 1, 1, 24, 21, 21, 18}, {3, 3, 1, 1, 24, 21, 21, 18},   // a, b
      {3, 3, 1, 2, 24, 20, 21, 17}, {3, 3, 1, 2, 24, 20, 21, 17}};  // c, d
  EXPECT_EQ(ListedPairs(board.ctx()), expected);
}

TEST(PairListingTest, NoPairWithOneDieUsedAndNoneThatBearsOff) {
  TestBoard board;
  board.Start(At(kLight, {0, 5, 0, 0}, {{24, {1}}, {1, {16, 17}}}));
  EXPECT_TRUE(board.ctx().planner->ListPairCandidates());
  EXPECT_TRUE(ListedPairs(board.ctx()).empty());

  TestBoard home;
  // Every destination must lie on the board: 11 + 2 is off, so only stone 1 plays both.
  home.Start(At(kLight, {1, 2, 0, 0}, {{11, {2}}, {7, {1}}, {1, {16, 17}}}));
  ASSERT_TRUE(home.ctx().planner->ListPairCandidates());
  for (const PairFields& pair : ListedPairs(home.ctx())) {
    EXPECT_LE(std::get<6>(pair), 12);
    EXPECT_LE(std::get<7>(pair), 12);
    EXPECT_FALSE(std::get<4>(pair) == 11 && std::get<0>(pair) == 2);
  }
}

Position FifteenBlots() {
  std::map<int, std::vector<int>> sections;
  for (int stone = 1; stone <= 15; ++stone) sections[25 - stone] = {stone};  // sections 24..10
  sections[1] = {16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30};
  return At(kLight, {1, 2, 0, 0}, sections);
}

TEST(PairPlanTest, AHundredAndFirstCandidateFallsBackToOneDie) {
  TestBoard board;
  board.Start(FifteenBlots());
  GameContext& ctx = board.ctx();
  EXPECT_FALSE(ctx.planner->ListPairCandidates());
  EXPECT_GT(ctx.PairCandidates[kPairCandidateCount].die1, 0);

  ctx.planner->ClearCandidates();
  ctx.planner->PlanPairMove();
  EXPECT_EQ(ctx.auto_play->moves_started(), 1);  // a single move, not the first of a pair
  EXPECT_FALSE(ctx.flags.PairPending);
  EXPECT_FALSE(ctx.computer_move.first_half_done);
  EXPECT_TRUE(ListedPairs(ctx).empty());
  EXPECT_TRUE(ListedSingles(ctx).empty());
}

TEST(PairPlanTest, ChosenPairStartsItsFirstHalfAndRemembersTheSecond) {
  TestBoard board;
  board.Start(At(kLight, {1, 2, 0, 0}, {{24, {1, 2}}, {13, {3}}, {12, {16, 17}}}));
  GameContext& ctx = board.ctx();
  ctx.planner->ListPairCandidates();
  ctx.scoring->ScorePairMoves();
  const PairCandidate best = ctx.PairCandidates[ctx.planner->BestPairCandidate()];
  ctx.planner->ClearCandidates();

  ctx.planner->PlanPairMove();
  EXPECT_TRUE(ctx.flags.PairPending);
  EXPECT_TRUE(ctx.computer_move.first_half_done);
  EXPECT_EQ(ctx.MovingStone, best.stone1);
  EXPECT_EQ(ctx.computer_move.die, best.die1);
  EXPECT_EQ(ctx.computer_move.from, best.from1);
  EXPECT_EQ(ctx.computer_move.to, best.to1);
  EXPECT_EQ(ctx.SecondStone, best.stone2);
  EXPECT_EQ(ctx.SecondDie, best.die2);
  EXPECT_TRUE(ListedPairs(ctx).empty());
}

TEST(BestCandidateTest, StrictlyAboveMinusTwoHundredAndTheFirstOfEqualScores) {
  TestBoard board;
  board.Start(At(kLight, {0, 0, 0, 0}, {{24, {1}}}));
  GameContext& ctx = board.ctx();
  MovePlanner& planner = *ctx.planner;
  EXPECT_EQ(planner.BestPairCandidate(), 0);
  EXPECT_EQ(planner.BestSingleCandidate(), 0);

  ctx.PairCandidates[1] = {.die1 = 1, .score = -200};
  EXPECT_EQ(planner.BestPairCandidate(), 0);
  ctx.PairCandidates[2] = {.die1 = 1, .score = -199};
  ctx.PairCandidates[3] = {.die1 = 0, .score = 50};  // an empty entry never counts
  ctx.PairCandidates[4] = {.die1 = 2, .score = 10};
  ctx.PairCandidates[5] = {.die1 = 3, .score = 10};
  EXPECT_EQ(planner.BestPairCandidate(), 4);

  ctx.SingleCandidates[1] = {.die = 4, .score = -201};
  EXPECT_EQ(planner.BestSingleCandidate(), 0);
  ctx.SingleCandidates[29] = {.die = 4, .score = 3};
  ctx.SingleCandidates[30] = {.die = 4, .score = 3};
  EXPECT_EQ(planner.BestSingleCandidate(), 29);

  planner.ClearCandidates();
  EXPECT_EQ(planner.BestPairCandidate(), 0);
  EXPECT_EQ(planner.BestSingleCandidate(), 0);
  EXPECT_EQ(ctx.PairCandidates[5].score, 0);
  EXPECT_EQ(ctx.SingleCandidates[30].die, 0);
}

TEST(SingleListingTest, SectionsOuterDiceKeysInner) {
  TestBoard board;
  board.Start(At(kDark, {0, 0, 5, 2}, {{12, {16}}, {13, {17, 18}}, {10, {1, 2}}, {24, {3, 4}}}));
  board.ctx().planner->ListSingleCandidates();
  const std::vector<SingleFields> expected = {
      // Section 12 (point 1): the 5 reaches point 6 (section 7); the 2 is held by Light.
      {12, 7, 16, 5},
      {13, 18, 18, 5},
      {13, 15, 18, 2},
  };
  EXPECT_EQ(ListedSingles(board.ctx()), expected);
}

TEST(SingleListingTest, PlanWithNoCandidateStartsNothingAndClearsPairPending) {
  TestBoard board;
  // Light's only stone is blocked for both dice.
  board.Start(At(kLight, {1, 2, 0, 0}, {{24, {1}}, {23, {16, 17}}, {22, {18, 19}}}));
  GameContext& ctx = board.ctx();
  ctx.flags.PairPending = true;
  ctx.planner->PlanSingleMove();
  EXPECT_FALSE(ctx.flags.PairPending);
  EXPECT_FALSE(ctx.computer_move.animating);
  EXPECT_EQ(ctx.store.GetMoveCount(), 0);
}

TEST(EntryListingTest, OnlyThePointNamedByEachDieAndNotWhereHeld) {
  TestBoard board;
  // Light dice 3 and 5: sections 22 and 20. Dark holds 20, has a blot on 22.
  board.Start(At(kLight, {3, 5, 0, 0}, {{22, {16}}, {20, {17, 18}}, {1, {19, 20}}}, {2, 30, 1}));
  board.ctx().planner->ListEntryCandidates();
  // The stone to enter is the one in the last bar slot holding a Light stone.
  const std::vector<SingleFields> expected = {{0, 22, 1, 3}};
  EXPECT_EQ(ListedSingles(board.ctx()), expected);

  TestBoard dark;
  dark.Start(At(kDark, {0, 0, 6, 1}, {{7, {1}}, {12, {2}}, {24, {3, 4}}}, {16}));
  dark.ctx().planner->ListEntryCandidates();
  const std::vector<SingleFields> dark_expected = {{0, 7, 16, 6}, {0, 12, 16, 1}};
  EXPECT_EQ(ListedSingles(dark.ctx()), dark_expected);
}

TEST(BearOffListingTest, LargerDieOnlyForTheFarthestStone) {
  TestBoard board;
  // Light on points 20 (section 8) and 22 (section 10); dice 6 and 2.
  board.Start(At(kLight, {6, 2, 0, 0}, {{8, {1, 2}}, {10, {3}}, {1, {16, 17}}}));
  board.ctx().planner->ListBearOffCandidates();
  const std::vector<SingleFields> expected = {
      {8, 25, 2, 6},   // overshoot from the farthest stone
      {8, 10, 2, 2},   // onto its own stone
      {10, 12, 3, 2},  // to an empty point
  };
  EXPECT_EQ(ListedSingles(board.ctx()), expected);

  TestBoard dark;
  // Dark on points 23 and 24 with 1 and 5: the 1 bears off exactly from 24 and moves 23 on.
  dark.Start(At(kDark, {0, 0, 1, 5}, {{23, {16}}, {24, {17, 18}}, {1, {1, 2}}}));
  dark.ctx().planner->ListBearOffCandidates();
  const std::vector<SingleFields> dark_expected = {
      {23, 24, 16, 1}, {24, 26, 18, 1}, {23, 26, 16, 5}};
  EXPECT_EQ(ListedSingles(dark.ctx()), dark_expected);
}

TEST(IsOpenTest, OnlyTwoOrMoreOpposingStonesHold) {
  TestBoard board;
  board.Start(At(kLight, {0, 0, 0, 0}, {{1, {16}}, {2, {17, 18}}, {3, {1, 2, 3}}}));
  MovePlanner& planner = *board.ctx().planner;
  EXPECT_TRUE(planner.IsOpen(1));
  EXPECT_FALSE(planner.IsOpen(2));
  EXPECT_TRUE(planner.IsOpen(3));
  EXPECT_TRUE(planner.IsOpen(4));

  TestBoard dark;
  dark.Start(At(kDark, {0, 0, 0, 0}, {{1, {16}}, {2, {17, 18}}, {3, {1, 2, 3}}, {5, {4}}}));
  MovePlanner& dark_planner = *dark.ctx().planner;
  EXPECT_TRUE(dark_planner.IsOpen(2));
  EXPECT_FALSE(dark_planner.IsOpen(3));
  EXPECT_TRUE(dark_planner.IsOpen(4));
  EXPECT_TRUE(dark_planner.IsOpen(5));
}

// A random position that keeps the board's rules: each point holds one side's stones.
Position RandomPosition(std::mt19937& random) {
  Position position;
  position.player = 1 + static_cast<int>(random() % 2);
  auto die = [&] { return 1 + static_cast<int>(random() % 6); };
  int a = die();
  int b = random() % 4 == 0 ? a : die();
  if (random() % 5 == 0) a = 0;  // one die already used
  const int first = position.player == kLight ? 0 : 2;
  position.dice[first] = a;
  position.dice[first + 1] = b;
  std::array<int, 27> owner{};
  for (int side : {kLight, kDark}) {
    // Often all home, so that bearing off comes up; sometimes a stone or two on the bar.
    const bool home = random() % 3 == 0;
    const int home_first = side == kLight ? 7 : 19;
    for (int i = 0; i < 15; ++i) {
      const int stone = side == kLight ? 1 + i : 16 + i;
      if (!home && random() % 12 == 0) {
        position.bar.push_back(stone);
        continue;
      }
      for (int attempt = 0; attempt < 100; ++attempt) {
        const int section = home ? home_first + static_cast<int>(random() % 6)
                                 : 1 + static_cast<int>(random() % 24);
        if (owner[section] == 0 || owner[section] == side) {
          owner[section] = side;
          position.sections[section].push_back(stone);
          break;
        }
      }
    }
  }
  return position;
}

// Whatever position the turn flow hands the computer with a move to make, the planner that
// runs finds one to play: otherwise the computer would keep its dice with no timer to go on.
TEST(PlannerCoverageTest, APlannerMoveExistsExactlyWhenTheNoMoveCheckFindsOne) {
  std::mt19937 random(20240611);
  int with_moves = 0;
  for (int round = 0; round < 150; ++round) {
    const Position position = RandomPosition(random);
    TestBoard board;
    board.Start(position);
    GameContext& ctx = board.ctx();
    MovePlanner& planner = *ctx.planner;
    const MoveRules& rules = *ctx.rules;
    bool planner_found = false;
    if (rules.CanBearOff()) {
      planner.ListBearOffCandidates();
      ctx.scoring->ScoreBearOffMoves();
      planner_found = planner.BestSingleCandidate() != 0;
    } else if (rules.HasStoneOnBar()) {
      planner.ListEntryCandidates();
      ctx.scoring->ScoreEntryMoves();
      planner_found = planner.BestSingleCandidate() != 0;
    } else {
      planner_found = planner.ListPairCandidates() &&
                      (ctx.scoring->ScorePairMoves(), planner.BestPairCandidate() != 0);
      planner.ClearCandidates();
      planner.ListSingleCandidates();
      ctx.scoring->ScoreSingleMoves();
      planner_found = planner_found || planner.BestSingleCandidate() != 0;
    }
    planner.ClearCandidates();
    const int side = ctx.Side();
    ctx.no_moves->CheckNoMoves();
    const bool check_found =
        side == kLight ? !ctx.flags.LightHasNoMoves : !ctx.flags.DarkHasNoMoves;
    EXPECT_EQ(planner_found, check_found) << "round " << round << "\n" << position.ToIni();
    if (check_found) ++with_moves;
  }
  // Both outcomes came up often enough to mean something.
  EXPECT_GT(with_moves, 30);
  EXPECT_LT(with_moves, 140);
}

}  // namespace
}  // namespace zelvik
