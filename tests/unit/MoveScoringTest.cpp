#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "TestBoard.h"
#include "computer/MoveScoring.h"

namespace zelvik {
namespace {

using testing::Position;
using testing::TestBoard;

using Stacks = std::map<int, std::vector<int>>;

// Light stones 1..15, Dark 16..30. Single stones avoid the numbers CountNumberedBlots counts
// (Light 7..12, Dark 19..23) unless a case is about them. Dark two stones on section 1 (or
// Light two on section 24) keep the opponent from being ready to bear off.
Position At(int player, Stacks sections, std::vector<int> bar = {}) {
  Position position;
  position.player = player;
  position.sections = std::move(sections);
  position.bar = std::move(bar);
  return position;
}

struct PairCase {
  std::string name;
  Position position;
  PairCandidate candidate;
  int hit_bonus;
  int expected;
};

PairCandidate Pair(int die1, int die2, int stone1, int stone2, int from1, int from2, int to1,
                   int to2) {
  return {.die1 = die1,
          .die2 = die2,
          .stone1 = stone1,
          .stone2 = stone2,
          .from1 = from1,
          .from2 = from2,
          .to1 = to1,
          .to2 = to2};
}

std::vector<PairCase> PairCases() {
  return {
      // 1b + B (-17) and 2b + B (-17), 6a (-17); 3c does not apply: section 9 is home.
      {"LightTwoStonesMakeEmptySectionNine",
       At(kLight, {{5, {1, 2}}, {6, {3, 4, 5}}, {1, {16, 17}}}), Pair(4, 3, 2, 5, 5, 6, 9, 9), 0,
       1},
      // 1a (+26) and 3a (+15): section 6 is in Light's landing zone and its outfield; 6d (-17).
      {"LightFirstMoveCoversBlotOnSectionSix",
       At(kLight, {{3, {1, 2, 3}}, {6, {4}}, {13, {5, 6, 13, 14}}, {1, {16, 17}}}),
       Pair(3, 5, 3, 14, 3, 13, 6, 5), 0, 24},
      // 1a (+26) but no 3a: section 18 is outside Dark's outfield; 6d (-6).
      {"DarkFirstMoveCoversBlotOnSectionEighteen",
       At(kDark, {{15, {16, 17, 18}}, {18, {24}}, {12, {25, 26, 27, 28}}, {24, {1, 2}}}),
       Pair(3, 5, 18, 28, 15, 12, 18, 7), 0, 20},
      // 3c (+15), 4a (+40) and 4b (+40): Dark is all home; the bonus counts in both hit steps.
      {"LightHitsWithCoverWhileDarkIsHome",
       At(kLight, {{24, {1, 2, 3}}, {22, {4, 5, 6}}, {20, {16}}, {19, {17, 18}}}),
       Pair(4, 2, 3, 6, 24, 22, 20, 20), 0, 95},
      {"LightHitsWithCoverWhileDarkIsHomeAggressive",
       At(kLight, {{24, {1, 2, 3}}, {22, {4, 5, 6}}, {20, {16}}, {19, {17, 18}}}),
       Pair(4, 2, 3, 6, 24, 22, 20, 20), 80, 255},
      // 3c (+15), 4a with one home blot and one numbered blot (stone 9): 40 - 10 - 5.
      {"LightHitCountsItsBlots",
       At(kLight, {{24, {1, 2, 3}}, {22, {4, 5, 6}}, {20, {16}}, {8, {9}}, {1, {17, 18}}}),
       Pair(4, 2, 3, 6, 24, 22, 20, 20), 0, 40},
      {"LightHitCountsItsBlotsAggressive",
       At(kLight, {{24, {1, 2, 3}}, {22, {4, 5, 6}}, {20, {16}}, {8, {9}}, {1, {17, 18}}}),
       Pair(4, 2, 3, 6, 24, 22, 20, 20), 80, 120},
      // Dark's blot ranges: section 18 is a home blot for Dark and stone 20 a numbered one.
      {"DarkHitCountsItsBlots",
       At(kDark, {{12, {16, 17, 18}}, {10, {24, 25, 26}}, {8, {1}}, {18, {20}}, {24, {2, 3}}}),
       Pair(4, 2, 18, 26, 12, 10, 8, 8), 0, 40},
      // A hit whose other landing section is empty earns nothing; 6a -12, 6b -11, 6c -17,
      // 6d -14.
      {"LightHitBesideAnEmptyLanding",
       At(kLight, {{13, {1, 2}}, {14, {3, 4}}, {2, {16}}, {1, {17, 18}}}),
       Pair(5, 3, 2, 4, 13, 14, 5, 2), 0, -54},
      // One stone plays both dice: 7a (-14) and 7b (-9).
      {"LightOneStoneLeavesBlotBehind", At(kLight, {{16, {1, 2}}, {1, {16, 17}}}),
       Pair(2, 3, 2, 2, 16, 14, 14, 2), 0, -23},
      // The same from a single stone: 7a (-14) and 8a (+10).
      {"LightOneStoneFromABlot", At(kLight, {{16, {1}}, {1, {16, 17}}}),
       Pair(2, 3, 1, 1, 16, 14, 14, 2), 0, -4},
      // Two stones of a home stack of three: 5a (-21 - 20), 5b (-22 - 25), 5c (-23 - 25), 9.
      {"LightSplitsHomeStackOfThree", At(kLight, {{9, {1, 2, 3}}, {1, {16, 17}}}),
       Pair(1, 2, 3, 2, 9, 9, 10, 11), 0, -151},
      // Dark's 5a penalty is 25: 5a (-21 - 25), 5b (-47), 5c (-48), 9 (-15).
      {"DarkSplitsHomeStackOfThree", At(kDark, {{21, {16, 17, 18}}, {24, {1, 2}}}),
       Pair(1, 2, 18, 17, 21, 21, 22, 23), 0, -156},
      // Section 18 is in Dark's H but not its H': 7a (-21 - 25), 7b (-18 only).
      {"DarkOneStoneFromSectionEighteen", At(kDark, {{18, {16, 17}}, {24, {1, 2}}}),
       Pair(1, 2, 17, 17, 18, 19, 19, 21), 0, -64},
      // 3c (+15) and 10 (+100): Dark is home and the first stone starts in the race range.
      {"LightRacesWhileDarkIsHome", At(kLight, {{15, {1, 2, 3}}, {16, {4, 5, 6}}, {19, {16, 17}}}),
       Pair(1, 2, 3, 6, 15, 16, 14, 14), 0, 115},
      // 10 through the second stone: 6c (-2), 6d (-11), 10 (+100).
      {"LightRacesWithTheSecondStone",
       At(kLight, {{24, {1, 2, 3}}, {16, {4, 5, 6}}, {19, {16, 17}}}),
       Pair(1, 2, 3, 6, 24, 16, 23, 14), 0, 87},
      // 8b (+10): the second stone leaves a section it was alone on; 6c (-14), 6d (-8).
      {"LightSecondStoneFromABlot", At(kLight, {{13, {1, 2, 3}}, {20, {4}}, {1, {16, 17}}}),
       Pair(2, 3, 3, 4, 13, 20, 2, 17), 0, -12},
  };
}

class PairScoreTest : public ::testing::TestWithParam<PairCase> {};

TEST_P(PairScoreTest, RulesAddUpForTheCandidate) {
  const PairCase& c = GetParam();
  TestBoard board;
  board.Start(c.position);
  GameContext& ctx = board.ctx();
  ctx.flags.HitBonus = c.hit_bonus;
  ctx.PairCandidates[1] = c.candidate;
  ctx.PairCandidates[2] = c.candidate;
  ctx.PairCandidates[2].score = 7;  // scoring adds to what an entry holds
  ctx.PairCandidates[3] = c.candidate;
  ctx.PairCandidates[3].die1 = 0;  // an empty entry is not scored
  ctx.scoring->ScorePairMoves();
  EXPECT_EQ(ctx.PairCandidates[1].score, c.expected);
  EXPECT_EQ(ctx.PairCandidates[2].score, c.expected + 7);
  EXPECT_EQ(ctx.PairCandidates[3].score, 0);
}

INSTANTIATE_TEST_SUITE_P(Table, PairScoreTest, ::testing::ValuesIn(PairCases()),
                         [](const ::testing::TestParamInfo<PairCase>& case_info) {
                           return case_info.param.name;
                         });

enum class Kind { kSingle, kEntry, kBearOff };

struct SingleCase {
  std::string name;
  Position position;
  Kind kind;
  SingleCandidate candidate;
  int hit_bonus;
  int expected;
};

SingleCandidate Single(int from, int to, int stone, int die) {
  return {.from = from, .to = to, .stone = stone, .die = die};
}

std::vector<SingleCase> SingleCases() {
  return {
      // S1 (+25 - 14) and S3 (-14).
      {"LightCoversHomeBlotFromAPair", At(kLight, {{2, {1, 2}}, {7, {3}}, {1, {16, 17}}}),
       Kind::kSingle, Single(2, 7, 2, 5), 0, -3},
      // S2 (+15 - 5) and S3 (-5).
      {"LightCoversOutsideBlotFromAPair", At(kLight, {{20, {1, 2}}, {17, {3}}, {1, {16, 17}}}),
       Kind::kSingle, Single(20, 17, 2, 3), 0, 5},
      // S4: Light pays the extra 10 when it leaves from home, Dark when it lands in 18..24.
      {"LightBlotInsideHomeFromHome", At(kLight, {{8, {1, 2, 3}}, {1, {16, 17}}}), Kind::kSingle,
       Single(8, 10, 3, 2), 0, -32},
      {"LightBlotEnteringHomeFromOutside", At(kLight, {{6, {1, 2, 3}}, {1, {16, 17}}}),
       Kind::kSingle, Single(6, 7, 3, 1), 0, -19},
      {"DarkBlotEnteringHomeFromOutside", At(kDark, {{18, {16, 17, 18}}, {24, {1, 2}}}),
       Kind::kSingle, Single(18, 19, 18, 1), 0, -29},
      // S3: section 18 is home for Dark's penalty (-18 - 10), not for Light's section 6.
      {"DarkBreaksPairOnSectionEighteen", At(kDark, {{18, {16, 17}}, {24, {1, 2}}}), Kind::kSingle,
       Single(18, 20, 17, 2), 0, -58},
      {"LightBreaksPairOnSectionSix", At(kLight, {{6, {1, 2}}, {1, {16, 17}}}), Kind::kSingle,
       Single(6, 8, 2, 2), 0, -38},
      // S4 (-8), S5 (+10), S6a (40 - 10 - 5), S6b with Dark on the bar (40 - 5).
      {"LightHitsOutsideHomeWithDarkOnBar",
       At(kLight, {{20, {1}}, {17, {16}}, {8, {9}}, {1, {17, 18}}}, {30}), Kind::kSingle,
       Single(20, 17, 1, 3), 0, 62},
      {"LightHitsOutsideHomeWithDarkOnBarAggressive",
       At(kLight, {{20, {1}}, {17, {16}}, {8, {9}}, {1, {17, 18}}}, {30}), Kind::kSingle,
       Single(20, 17, 1, 3), 80, 222},
      // A hit inside the home board earns no hit score: S4 (-20) alone.
      {"LightHitsInsideHome", At(kLight, {{6, {1, 2, 3}}, {8, {16}}, {1, {17, 18}}}), Kind::kSingle,
       Single(6, 8, 3, 2), 0, -20},
      // Dark's blot ranges: a home blot on 20 (stone 21, also numbered); S4 (-4), S5, S6a, S6b.
      {"DarkHitsOutsideHomeWithLightOnBar",
       At(kDark, {{12, {16}}, {9, {1}}, {20, {21}}, {24, {2, 3}}}, {4}), Kind::kSingle,
       Single(12, 9, 16, 3), 0, 66},
      // S4 (-11) and S7 (+100).
      {"LightRacesWhileDarkIsHome", At(kLight, {{15, {1, 2, 3}}, {19, {16, 17}}}), Kind::kSingle,
       Single(15, 14, 3, 1), 0, 89},
      {"EmptySingleEntryScoresNothing", At(kLight, {{15, {1, 2, 3}}, {19, {16, 17}}}),
       Kind::kSingle, SingleCandidate{}, 80, 0},

      {"LightEntersHitting", At(kLight, {{22, {16}}, {1, {17, 18}}}, {1}), Kind::kEntry,
       Single(0, 22, 1, 3), 0, 10},
      {"LightEntersOnOwnBlot", At(kLight, {{22, {2}}, {1, {17, 18}}}, {1}), Kind::kEntry,
       Single(0, 22, 1, 3), 0, 5},
      {"LightEntersOnEmptyPoint", At(kLight, {{1, {17, 18}}}, {1}), Kind::kEntry,
       Single(0, 22, 1, 3), 0, -5},
      {"LightEntersOnOwnPoint", At(kLight, {{22, {2, 3}}, {1, {17, 18}}}, {1}), Kind::kEntry,
       Single(0, 22, 1, 3), 0, 0},
      {"DarkEntersHitting", At(kDark, {{11, {2}}, {24, {3, 4}}}, {16}), Kind::kEntry,
       Single(0, 11, 16, 2), 80, 10},

      // No contact: only bearing off counts.
      {"LightBearsOffWithoutContact", At(kLight, {{8, {1, 2}}, {10, {3}}, {1, {16, 17}}}),
       Kind::kBearOff, Single(10, 25, 3, 3), 0, 5},
      {"LightMovesInsideWithoutContact", At(kLight, {{8, {1, 2}}, {10, {3}}, {1, {16, 17}}}),
       Kind::kBearOff, Single(8, 10, 2, 2), 0, 0},
      // A Dark stone in Light's home board, or on the bar, is contact.
      {"LightBreaksPairInContact", At(kLight, {{8, {1, 2}}, {10, {3}}, {9, {16}}}), Kind::kBearOff,
       Single(8, 10, 2, 2), 0, -10},
      {"LightBearsOffBlotInContact", At(kLight, {{8, {1, 2}}, {10, {3}}, {9, {16}}}),
       Kind::kBearOff, Single(10, 25, 3, 3), 0, 15},
      {"LightBearsOffBlotWithDarkOnBar", At(kLight, {{8, {1, 2}}, {10, {3}}}, {16}), Kind::kBearOff,
       Single(10, 25, 3, 3), 0, 15},
      {"DarkBearsOffBlotInContact", At(kDark, {{20, {16, 17}}, {23, {18}}, {21, {1}}}),
       Kind::kBearOff, Single(23, 26, 18, 2), 0, 15},
      {"DarkBreaksPairWithoutContact", At(kDark, {{20, {16, 17}}, {23, {18}}, {1, {1, 2}}}),
       Kind::kBearOff, Single(20, 22, 17, 2), 0, 0},
  };
}

class SingleScoreTest : public ::testing::TestWithParam<SingleCase> {};

TEST_P(SingleScoreTest, RulesAddUpForTheCandidate) {
  const SingleCase& c = GetParam();
  TestBoard board;
  board.Start(c.position);
  GameContext& ctx = board.ctx();
  ctx.flags.HitBonus = c.hit_bonus;
  ctx.SingleCandidates[1] = c.candidate;
  ctx.SingleCandidates[2] = c.candidate;
  ctx.SingleCandidates[2].score = -3;
  switch (c.kind) {
    case Kind::kSingle:
      ctx.scoring->ScoreSingleMoves();
      break;
    case Kind::kEntry:
      ctx.scoring->ScoreEntryMoves();
      break;
    case Kind::kBearOff:
      ctx.scoring->ScoreBearOffMoves();
      break;
  }
  EXPECT_EQ(ctx.SingleCandidates[1].score, c.expected);
  EXPECT_EQ(ctx.SingleCandidates[2].score, c.expected - 3);
}

INSTANTIATE_TEST_SUITE_P(Table, SingleScoreTest, ::testing::ValuesIn(SingleCases()),
                         [](const ::testing::TestParamInfo<SingleCase>& case_info) {
                           return case_info.param.name;
                         });

struct BlotCountCase {
  std::string name;
  Position position;
  int home_blots;
  int numbered_blots;
};

class BlotCountTest : public ::testing::TestWithParam<BlotCountCase> {};

TEST_P(BlotCountTest, CountsForTheSideToMove) {
  const BlotCountCase& c = GetParam();
  TestBoard board;
  board.Start(c.position);
  EXPECT_EQ(board.ctx().scoring->CountHomeBlots(), c.home_blots);
  EXPECT_EQ(board.ctx().scoring->CountNumberedBlots(), c.numbered_blots);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BlotCountTest,
    ::testing::Values(
        // Stone 9 counts wherever it stands; stone 3 never, even at home; a pair is no blot.
        BlotCountCase{"LightNumberedStoneAnywhere",
                      At(kLight, {{20, {9}}, {8, {3}}, {10, {10, 11}}}), 1, 1},
        BlotCountCase{"LightHomeBlotsOnlyInSevenToTwelve",
                      At(kLight, {{6, {1}}, {7, {2}}, {12, {7}}, {13, {4}}}), 2, 1},
        // Dark counts home blots on 18..24 and stones 19..23; stone 24 is not counted.
        BlotCountCase{"DarkHomeBlotsFromEighteen",
                      At(kDark, {{17, {16}}, {18, {17}}, {24, {20}}, {5, {24}}}), 2, 1},
        BlotCountCase{"DarkNumberedStonesNineteenToTwentyThree",
                      At(kDark, {{2, {19}}, {3, {23}}, {4, {24}}, {9, {18}}}), 0, 2},
        // The mover's own blots only: Light's blots are not Dark's home blots.
        BlotCountCase{"DarkIgnoresLightBlots", At(kDark, {{20, {1}}, {21, {9}}}), 0, 0}),
    [](const ::testing::TestParamInfo<BlotCountCase>& case_info) { return case_info.param.name; });

}  // namespace
}  // namespace zelvik
