#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestBoard.h"
#include "board/BoardLayout.h"
#include "computer/AutoPlay.h"
#include "computer/MovePlanner.h"
#include "game/GameSetup.h"
#include "game/Turns.h"
#include "rules/MoveMaker.h"
#include "state/BoardInvariants.h"

namespace zelvik {
namespace {

using testing::Position;
using testing::TestBoard;

Position At(int player, int moves, std::array<int, 4> dice,
            std::map<int, std::vector<int>> sections, std::vector<int> bar = {}) {
  Position position;
  position.player = player;
  position.moves = moves;
  position.dice = dice;
  position.sections = std::move(sections);
  position.bar = std::move(bar);
  // Every stone the position does not name is borne off, so that all 30 are on the board.
  std::array<bool, kStones + 1> placed{};
  for (const auto& [section, stones] : position.sections) {
    for (int stone : stones) placed[stone] = true;
  }
  for (int stone : position.bar) placed[stone] = true;
  for (int stone = 1; stone <= kStones; ++stone) {
    if (!placed[stone]) position.sections[stone < 16 ? kLightTray : kDarkTray].push_back(stone);
  }
  return position;
}

// A board with the computer playing Light; every timer firing is checked against the board's
// invariants.
class AutoPlayTest : public ::testing::Test {
 protected:
  void Start(const Position& position) {
    board_.Start(position);
    ctx().flags.LightIsComputer = true;
    ctx().flags.LightTurnRunning = position.player == kLight;
    board_.platform().after_timer = [this] {
      const std::string error = CheckBoardInvariants(ctx().store);
      if (!error.empty()) violations_.push_back(error);
    };
    board_.transcript.clear();
  }

  GameContext& ctx() { return board_.ctx(); }
  StateStore& store() { return board_.store(); }
  void Run(int ms) { board_.platform().RunFor(ms); }

  int Clicks() const {
    int clicks = 0;
    for (const std::string& line : board_.transcript) clicks += line == "sound 29";
    return clicks;
  }

  // Where a travelling stone's picture stands over a section.
  std::pair<double, double> HopSpot(int section) {
    const BoardLayout& layout = *ctx().layout;
    const double lift = 3.5 * layout.ColumnWidth();
    return {layout.SectionLeft(section),
            layout.SectionBaseTop(section) + (section > 12 ? -lift : lift)};
  }
  std::pair<double, double> PictureOf(int stone) {
    return {ctx().controls.Stone[stone].left, ctx().controls.Stone[stone].top};
  }

  void StartSingle(int stone, int die) {
    ctx().MovingStone = stone;
    ctx().PipsLeft = die;
    ctx().auto_play->StepComputerMove(ctx().MovingStone, ctx().PipsLeft);
  }
  void StartPair(int stone1, int die1, int stone2, int die2) {
    ctx().MovingStone = stone1;
    ctx().PipsLeft = die1;
    ctx().SecondStone = stone2;
    ctx().SecondDie = die2;
    ctx().auto_play->StartPairMove(ctx().MovingStone, ctx().PipsLeft);
  }

  TestBoard board_;
  std::vector<std::string> violations_;
};

TEST_F(AutoPlayTest, StoneTakesOnePointPerTickWithAClickTheFirstAtOnce) {
  // Light's stone 1 on point 10 (section 15) plays a 4: points 11, 12, 13 and 14.
  Start(At(kLight, 1, {4, 0, 0, 0}, {{15, {1}}, {24, {2, 3}}, {12, {16, 17}}}));
  StartSingle(1, 4);
  const int hops[] = {14, 13, 1, 2};  // the sections of points 11..14
  for (int step = 0; step < 4; ++step) {
    if (step > 0) {
      Run(299);
      EXPECT_EQ(Clicks(), step) << "early at step " << step;
      Run(1);
    }
    EXPECT_EQ(Clicks(), step + 1);
    if (step < 3) {
      EXPECT_EQ(PictureOf(1), HopSpot(hops[step])) << "step " << step;
      EXPECT_EQ(store().FindStoneSection(1), 15) << "the file is untouched while it travels";
    }
  }
  // The fourth step arrives: the move is made and the turn (its second move) is over.
  EXPECT_EQ(store().FindStoneSection(1), 2);
  EXPECT_FALSE(ctx().computer_move.animating);
  EXPECT_FALSE(ctx().timers.Mover->Enabled());
  EXPECT_EQ(store().GetCurrentPlayer(), kDark);
  Run(5000);
  EXPECT_EQ(Clicks(), 4);
  EXPECT_TRUE(violations_.empty()) << violations_.front();
}

TEST_F(AutoPlayTest, BearOffShowsNoStepForTheTray) {
  // Stone 1 on point 23 (section 11) bears off with a 6: one hop to point 24, then the tray.
  Start(At(kLight, 1, {6, 0, 0, 0}, {{11, {1}}, {8, {2, 3}}, {1, {16, 17}}}));
  StartSingle(1, 6);
  EXPECT_EQ(PictureOf(1), HopSpot(12));
  EXPECT_EQ(Clicks(), 1);
  Run(299);
  EXPECT_EQ(store().FindStoneSection(1), 11);
  Run(1);
  EXPECT_EQ(store().FindStoneSection(1), kLightTray);
  EXPECT_EQ(store().GetStackHeight(kLightTray), 13);  // 12 were off already
  EXPECT_FALSE(ctx().timers.Mover->Enabled());
  // The tray takes the stone twice, with a click each time.
  EXPECT_EQ(Clicks(), 3);
  EXPECT_TRUE(violations_.empty()) << violations_.front();
}

TEST_F(AutoPlayTest, MoveWithNoPointsToTravelPlansAgain) {
  Start(At(kLight, 1, {3, 0, 0, 0}, {{24, {1}}, {12, {16, 17}}}));
  ctx().flags.PairPending = true;  // whatever was pending, the new plan starts afresh
  StartSingle(1, 0);
  // One step is shown, then the planner starts the real move: the 3, from point 1.
  EXPECT_EQ(ctx().auto_play->moves_started(), 2);
  EXPECT_EQ(ctx().computer_move.die, 3);
  EXPECT_EQ(ctx().computer_move.to, 21);
  Run(600);
  EXPECT_EQ(store().FindStoneSection(1), 21);
  EXPECT_TRUE(violations_.empty()) << violations_.front();
}

TEST_F(AutoPlayTest, SecondHalfOfAPairStartsOneSecondAfterTheFirstArrives) {
  Start(At(kLight, 0, {2, 1, 0, 0}, {{24, {1}}, {13, {2, 3}}, {12, {16, 17}}}));
  StartPair(1, 2, 3, 1);
  EXPECT_TRUE(ctx().flags.PairPending);
  Run(300);  // the first half arrives on its second step
  EXPECT_EQ(store().FindStoneSection(1), 22);
  EXPECT_EQ(store().GetMoveCount(), 1);
  EXPECT_TRUE(ctx().timers.PairMover->Enabled());
  EXPECT_FALSE(ctx().timers.LightAuto->Enabled());
  const int clicks = Clicks();
  Run(999);
  EXPECT_EQ(Clicks(), clicks);
  Run(1);
  EXPECT_EQ(Clicks(), clicks + 1);
  EXPECT_FALSE(ctx().flags.PairPending);
  EXPECT_FALSE(ctx().computer_move.first_half_done);
  // A one-point move arrives on its first step: the turn is over.
  EXPECT_EQ(store().FindStoneSection(3), 1);
  EXPECT_EQ(store().GetCurrentPlayer(), kDark);
  EXPECT_FALSE(ctx().timers.LightAuto->Enabled());
  EXPECT_TRUE(violations_.empty()) << violations_.front();
}

TEST_F(AutoPlayTest, SecondStoneCoveredByTheFirstIsPlayedByTheTopStone) {
  // Stone 1 (point 1) plays 3 onto section 21, where stone 3 was the top; then "stone 3" plays
  // 2 from section 21. Taking stone 3 out from under stone 1 would leave a gap in the stack.
  Start(At(kLight, 0, {3, 2, 0, 0}, {{24, {1}}, {21, {2, 3}}, {12, {16, 17}}}));
  ctx().planner->ListPairCandidates();
  bool listed = false;
  for (const PairCandidate& c : ctx().PairCandidates) {
    listed |= c.stone1 == 1 && c.from1 == 24 && c.to1 == 21 && c.stone2 == 3 && c.from2 == 21;
  }
  EXPECT_TRUE(listed) << "the listing offers this pair";
  ctx().planner->ClearCandidates();

  StartPair(1, 3, 3, 2);
  Run(10000);
  EXPECT_TRUE(violations_.empty()) << violations_.front();
  EXPECT_EQ(store().GetStackHeight(21), 2);
  EXPECT_EQ(store().GetStoneAt(21, 1), 2);
  EXPECT_EQ(store().GetStoneAt(21, 2), 3);
  EXPECT_EQ(store().GetBottomStone(19), 1);
  EXPECT_EQ(store().GetCurrentPlayer(), kDark);
}

TEST_F(AutoPlayTest, SecondHalfIsDroppedWhenTheFirstEndsTheTurn) {
  // After the 1 is played, the 6 is blocked everywhere: Light has no move and Dark's turn
  // begins. The pending second half must not move a Light stone in Dark's turn.
  Start(At(kLight, 0, {6, 1, 0, 0}, {{24, {1}}, {17, {16, 17}}, {1, {18, 19}}}));
  ctx().flags.DarkIsComputer = true;
  StartPair(1, 1, 1, 6);
  EXPECT_EQ(store().GetCurrentPlayer(), kDark);
  EXPECT_FALSE(ctx().flags.PairPending);
  EXPECT_FALSE(ctx().computer_move.first_half_done);
  EXPECT_FALSE(ctx().timers.PairMover->Enabled());
  EXPECT_TRUE(ctx().timers.DarkDelay->Enabled());
  ctx().flags.DarkIsComputer = false;  // keep Dark still, to watch Light's stone
  Run(5000);
  EXPECT_EQ(store().FindStoneSection(1), 23);
  EXPECT_TRUE(violations_.empty()) << violations_.front();
}

TEST_F(AutoPlayTest, NewGameDropsATravellingStone) {
  Start(At(kLight, 0, {5, 3, 0, 0}, {{24, {1}}, {13, {2, 3}}, {12, {16, 17}}}));
  StartSingle(1, 5);
  Run(600);
  ASSERT_TRUE(ctx().computer_move.animating);
  board_.board().Click("Reset");
  EXPECT_FALSE(ctx().computer_move.animating);
  EXPECT_FALSE(ctx().timers.Mover->Enabled());
  Run(5000);
  // The new game's starting position, untouched by the old move.
  EXPECT_EQ(store().GetStackHeight(24), 2);
  EXPECT_EQ(store().GetStackHeight(13), 5);
  EXPECT_EQ(store().GetStackHeight(20), 0);
  EXPECT_EQ(store().GetMoveCount(), 0);
  EXPECT_EQ(store().GetDie(1), 0);
  EXPECT_EQ(PictureOf(1),
            std::make_pair(ctx().layout->SectionLeft(24), ctx().layout->SectionBaseTop(24)));
  EXPECT_TRUE(violations_.empty()) << violations_.front();
}

TEST_F(AutoPlayTest, NewGameDropsAPendingSecondHalf) {
  Start(At(kLight, 0, {2, 1, 0, 0}, {{24, {1}}, {13, {2, 3}}, {12, {16, 17}}}));
  StartPair(1, 2, 3, 1);
  Run(300);
  ASSERT_TRUE(ctx().timers.PairMover->Enabled());
  board_.board().Click("Reset");
  EXPECT_FALSE(ctx().flags.PairPending);
  EXPECT_FALSE(ctx().computer_move.first_half_done);
  EXPECT_FALSE(ctx().timers.PairMover->Enabled());
  Run(5000);
  EXPECT_EQ(store().GetStackHeight(13), 5);
  EXPECT_EQ(store().GetStackHeight(22), 0);
  EXPECT_EQ(store().GetMoveCount(), 0);
  EXPECT_TRUE(violations_.empty()) << violations_.front();
}

TEST_F(AutoPlayTest, RestoreDropsATravellingStoneAndPutsItsPictureBack) {
  Start(At(kLight, 0, {5, 3, 0, 0}, {{24, {1}}, {13, {2, 3}}, {12, {16, 17}}}));
  const auto rest = PictureOf(3);
  StartSingle(3, 5);
  Run(300);
  ASSERT_NE(PictureOf(3), rest);
  ctx().setup->RestoreGame();
  EXPECT_EQ(PictureOf(3), rest);
  Run(5000);
  EXPECT_EQ(store().GetStackHeight(13), 2);
  EXPECT_EQ(store().GetMoveCount(), 0);
  EXPECT_EQ(store().GetDie(1), 5);
  EXPECT_TRUE(violations_.empty()) << violations_.front();
}

TEST_F(AutoPlayTest, MoveIsDroppedWhenSomeoneElseChangesTheBoardMeanwhile) {
  // The computer is stopped while its stone travels and a person plays Light's 3 at once.
  Start(At(kLight, 0, {5, 3, 0, 0}, {{24, {1}}, {13, {2, 3}}, {12, {16, 17}}}));
  const auto rest = PictureOf(1);
  StartSingle(1, 5);
  Run(300);
  ctx().flags.LightIsComputer = false;
  ctx().mover->PersonNormalMove(3, 13, 3);
  Run(300);
  EXPECT_FALSE(ctx().computer_move.animating);
  EXPECT_FALSE(ctx().timers.Mover->Enabled());
  EXPECT_EQ(PictureOf(1), rest);
  Run(5000);
  EXPECT_EQ(store().FindStoneSection(1), 24);
  EXPECT_EQ(store().GetDie(1), 5);
  EXPECT_EQ(store().GetMoveCount(), 1);
  EXPECT_TRUE(violations_.empty()) << violations_.front();
}

TEST_F(AutoPlayTest, PendingSecondHalfIsDroppedWhenTheBoardChangedMeanwhile) {
  Start(At(kLight, 0, {2, 1, 0, 0}, {{24, {1}}, {13, {2, 3}}, {12, {16, 17}}}));
  StartPair(1, 2, 3, 1);
  Run(300);
  ctx().flags.LightIsComputer = false;
  ctx().mover->PersonNormalMove(3, 13, 1);  // a person plays the 1 with the same stone
  EXPECT_EQ(store().GetCurrentPlayer(), kDark);
  Run(5000);
  EXPECT_FALSE(ctx().flags.PairPending);
  EXPECT_EQ(store().GetStackHeight(1), 1);
  EXPECT_EQ(store().GetStackHeight(13), 1);
  EXPECT_TRUE(violations_.empty()) << violations_.front();
}

TEST_F(AutoPlayTest, AutoTimersActOnlyForTheComputersSideInItsTurn) {
  Start(At(kLight, 0, {5, 3, 0, 0}, {{24, {1}}, {13, {2, 3}}, {12, {16, 17}}}));
  struct Case {
    const char* name;
    bool light_is_computer;
    bool dark_turn_running;
    bool light_has_no_moves;
  };
  for (const Case& c : {Case{"not the computer's side", false, false, false},
                        Case{"Dark's turn running", true, true, false},
                        Case{"no moves found", true, false, true}}) {
    ctx().flags.LightIsComputer = c.light_is_computer;
    ctx().flags.DarkTurnRunning = c.dark_turn_running;
    ctx().flags.LightHasNoMoves = c.light_has_no_moves;
    ctx().timers.LightAuto->SetEnabled(true);
    Run(1000);
    EXPECT_FALSE(ctx().timers.LightAuto->Enabled()) << c.name;
    EXPECT_EQ(ctx().auto_play->moves_started(), 0) << c.name;
  }
  // Dark's timer in Light's turn does not play Light's stones for Dark.
  ctx().flags = Flags{};
  ctx().flags.DarkIsComputer = true;
  ctx().timers.DarkAuto->SetEnabled(true);
  Run(1000);
  EXPECT_EQ(ctx().auto_play->moves_started(), 0);

  ctx().flags.LightIsComputer = true;
  ctx().timers.LightAuto->SetEnabled(true);
  Run(999);
  EXPECT_EQ(ctx().auto_play->moves_started(), 0);
  Run(1);
  EXPECT_EQ(ctx().auto_play->moves_started(), 1);
  EXPECT_TRUE(ctx().flags.LightTurnRunning);
  EXPECT_FALSE(ctx().timers.LightAuto->Enabled());
}

TEST_F(AutoPlayTest, NoSecondMoveStartsWhileOneIsUnderWay) {
  Start(At(kLight, 0, {5, 3, 0, 0}, {{24, {1}}, {13, {2, 3}}, {12, {16, 17}}}));
  ctx().planner->PlayComputerMove();
  ASSERT_EQ(ctx().auto_play->moves_started(), 1);
  ctx().planner->PlayComputerMove();  // an Auto timer firing again, say
  EXPECT_EQ(ctx().auto_play->moves_started(), 1);
  Run(20000);
  EXPECT_EQ(store().GetCurrentPlayer(), kDark);
  EXPECT_EQ(ctx().auto_play->moves_started(), 2);
  EXPECT_TRUE(violations_.empty()) << violations_.front();
}

// The computer rolls: a roll never leaves a turn flag set where no turn is running, and the
// opening hands the first move to the computer whichever side wins it.
class ComputerRollTest : public ::testing::Test {
 protected:
  TestBoard board_;
  GameContext& ctx() { return board_.ctx(); }
};

TEST_F(ComputerRollTest, LightRollInDarksTurnClaimsNothing) {
  board_.Start(At(kDark, 0, {0, 0, 0, 0}, {{24, {1}}, {1, {16, 17}}}));
  ctx().flags.LightIsComputer = true;
  ctx().turns->LightComputerRoll();
  EXPECT_FALSE(ctx().flags.LightTurnRunning);
  ctx().flags.DarkIsComputer = true;
  ctx().turns->DarkComputerRoll();
  EXPECT_TRUE(ctx().flags.DarkTurnRunning);
  EXPECT_GT(ctx().store.GetDie(3), 0);
}

TEST_F(ComputerRollTest, DarkRollInLightsTurnClaimsNothing) {
  board_.Start(At(kLight, 0, {0, 0, 0, 0}, {{24, {1}}, {1, {16, 17}}}));
  ctx().flags.DarkIsComputer = true;
  ctx().turns->DarkComputerRoll();
  EXPECT_FALSE(ctx().flags.DarkTurnRunning);
  EXPECT_EQ(ctx().store.GetDie(3), 0);
}

TEST_F(ComputerRollTest, LightsOpeningRollWaitingForDarksComputerHandsItTheRoll) {
  board_.StartNew();
  ctx().flags.LightIsComputer = true;
  ctx().flags.DarkIsComputer = true;
  ctx().turns->LightComputerRoll();
  EXPECT_FALSE(ctx().flags.LightTurnRunning);
  EXPECT_TRUE(ctx().timers.DarkDelay->Enabled());
  EXPECT_EQ(ctx().store.GetCurrentPlayer(), 0);
}

TEST_F(ComputerRollTest, LightsOpeningRollLosingToDarksComputerStartsDarksMove) {
  board_.StartNew();
  ctx().store.SetDie(4, 6);  // Dark has thrown a 6
  board_.platform().seeded_dice().QueueRoll(1, 2);
  ctx().flags.LightIsComputer = true;
  ctx().flags.DarkIsComputer = true;
  ctx().turns->LightComputerRoll();
  EXPECT_EQ(ctx().store.GetCurrentPlayer(), kDark);
  EXPECT_TRUE(ctx().flags.DarkTurnRunning);
  EXPECT_FALSE(ctx().flags.LightTurnRunning);
  EXPECT_TRUE(ctx().timers.DarkAuto->Enabled());
}

TEST_F(ComputerRollTest, OpeningTieLeavesNoTurnRunning) {
  board_.StartNew();
  board_.platform().seeded_dice().QueueRoll(1, 4);  // Dark's opening die
  board_.platform().seeded_dice().QueueRoll(1, 4);  // Light's
  ctx().flags.LightIsComputer = true;
  ctx().flags.DarkIsComputer = true;
  ctx().turns->DarkComputerRoll();
  EXPECT_EQ(ctx().store.GetCurrentPlayer(), 0);
  EXPECT_FALSE(ctx().flags.DarkTurnRunning);
  EXPECT_TRUE(ctx().timers.DarkDelay->Enabled());
}

}  // namespace
}  // namespace zelvik
