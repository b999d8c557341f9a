#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestBoard.h"
#include "history/History.h"
#include "state/BoardInvariants.h"

namespace zelvik {
namespace {

using testing::Position;
using testing::TestBoard;

// Every stone on the board, a Light stone on the bar: a sound board to start from.
Position Board(int player, int play) {
  Position p;
  p.player = player;
  p.play = play;
  p.sections = {
      {24, {1, 2}},   {13, {3, 4, 5, 6, 7}},     {5, {8, 9, 10}},    {7, {11, 12, 13, 14}},
      {12, {16, 17}}, {1, {18, 19, 20, 21, 22}}, {17, {23, 24, 25}}, {19, {26, 27, 28, 29, 30}}};
  p.bar = {15};
  return p;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteText(const std::string& path, const std::string& text) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

TEST(SaveSnapshotTest, HoldsTheTurnTheDiceTheBarAndTheOccupiedLevelsAndRestoresThem) {
  TestBoard t;
  // Bar slot 1 is free and a stone sits in slot 16, past the classic fifteen.
  t.StartWithText(
      "[Current Player]\nPlayer=2\nMoves=0\nPlay Number=6\n"
      "[Dice]\n1=0\n2=0\n3=5\n4=3\n"
      "[Bar]\n1=\n2=17\n16=20\n"
      "[24]\n1=1\n2=2\n[13]\n1=3\n2=4\n3=5\n4=6\n5=7\n[5]\n1=8\n2=9\n3=10\n"
      "[7]\n1=11\n2=12\n3=13\n4=14\n5=15\n[12]\n1=16\n[1]\n1=18\n2=19\n3=21\n4=22\n"
      "[17]\n1=23\n2=24\n3=25\n[19]\n1=26\n2=27\n3=28\n4=29\n5=30\n");
  t.store().AdvancePlayNumber();
  EXPECT_EQ(ReadText(t.ctx().history->SnapshotPath(7)),
            "[Current Player]\nPlayer=2\nMoves=0\nPlay Number=7\n"
            "[Dice]\n1=0\n2=0\n3=5\n4=3\n"
            "[Bar]\n1=\n2=17\n16=20\n"
            "[1]\n1=18\n2=19\n3=21\n4=22\n[5]\n1=8\n2=9\n3=10\n"
            "[7]\n1=11\n2=12\n3=13\n4=14\n5=15\n[12]\n1=16\n[13]\n1=3\n2=4\n3=5\n4=6\n5=7\n"
            "[17]\n1=23\n2=24\n3=25\n[19]\n1=26\n2=27\n3=28\n4=29\n5=30\n[24]\n1=1\n2=2\n");

  // Taken back, the snapshot gives the same turn, dice and bar again.
  t.store().SetCurrentPlayer(kLight);
  t.board().Click("Undo");
  const StateStore& store = t.store();
  EXPECT_EQ(store.GetPlayNumber(), 7);
  EXPECT_EQ(store.GetCurrentPlayer(), kDark);
  EXPECT_EQ(store.GetDie(3), 5);
  EXPECT_EQ(store.GetDie(4), 3);
  EXPECT_EQ(store.GetBarSlot(2), 17);
  EXPECT_EQ(store.GetBarSlot(16), 20);
  EXPECT_EQ(CheckBoardInvariants(store), "");
}

TEST(SaveSnapshotTest, AStoneInBarSlotOneReplacesTheEmptyFirstKey) {
  TestBoard t;
  t.Start(Board(1, 2));
  t.store().AdvancePlayNumber();
  const std::string text = ReadText(t.ctx().history->SnapshotPath(3));
  EXPECT_NE(text.find("[Bar]\n1=15\n[1]\n"), std::string::npos) << text;
}

TEST(SaveSnapshotTest, AnOlderFileOfThePlayIsReplacedWhole) {
  TestBoard t;
  t.Start(Board(1, 4));
  History& history = *t.ctx().history;
  // Written on an earlier pass through play 5: Dark's stones stood elsewhere then.
  WriteText(history.SnapshotPath(5),
            "[Current Player]\nPlayer=2\nMoves=0\nPlay Number=5\n[Bar]\n2=30\n"
            "[Positions]\n9=2\n[9]\n1=17\n2=16\n[13]\n6=20\n7=21\n");
  t.store().AdvancePlayNumber();
  EXPECT_EQ(ReadText(history.SnapshotPath(5)), history.SnapshotText());
  EXPECT_FALSE(std::filesystem::exists(history.SnapshotPath(5) + ".tmp"));
}

TEST(SaveSnapshotTest, ASnapshotThatCannotBeWrittenIsSkippedByTheNextStepBack) {
  TestBoard t;
  t.Start(Board(1, 6));
  History& history = *t.ctx().history;
  WriteText(history.SnapshotPath(6), history.SnapshotText());
  // A directory stands where snapshot 7 would go.
  std::filesystem::create_directories(history.SnapshotPath(7));
  t.store().SetCurrentPlayer(kDark);
  EXPECT_EQ(t.store().GetPlayNumber(), 7);
  EXPECT_FALSE(std::filesystem::exists(history.SnapshotPath(7) + ".tmp"));
  t.store().SetCurrentPlayer(kLight);
  ASSERT_TRUE(StateStore::FileExists(history.SnapshotPath(8)));

  t.board().Click("Undo");
  EXPECT_EQ(t.store().GetPlayNumber(), 6);
  EXPECT_EQ(t.store().GetCurrentPlayer(), kLight);
  EXPECT_FALSE(std::filesystem::exists(history.SnapshotPath(6)));
  EXPECT_EQ(CheckBoardInvariants(t.store()), "");
}

// The board of Board() as snapshot text, with the turn given.
std::string SnapshotOf(const std::string& turn) {
  std::string text = Board(1, 4).ToIni();
  return turn + text.substr(text.find("[Bar]"));
}

constexpr const char* kTurn4 =
    "[Current Player]\nPlayer=2\nMoves=0\nPlay Number=4\n[Dice]\n1=0\n2=0\n3=0\n4=0\n";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

struct HostileCase {
  const char* name;
  std::string snapshot;
  int play_after;  // 4 when snapshot 4 is used, 3 when it is passed over
  int player_after;
  std::array<int, 4> dice_after;
};

TEST(StepBackTest, ADamagedOrHostileSnapshotNeverPutsAnImpossibleTurnOrBoardInTheFile) {
  const std::string good = SnapshotOf(kTurn4);
  const std::array<int, 4> no_dice{0, 0, 0, 0};
  const std::vector<HostileCase> cases = {
      {"garbage lines, stray sections, a level past 15, values that are not stones",
       "garbage\n=5\n;note\n[unclosed\n" +
           Replace(Replace(good, "[24]\n1=1\n2=2\n", "[24]\n1=1\n2=2\n6=-3\n7=x\n40=5\n"),
                   "[Bar]\n", "[Positions]\n24=9\n[Stack Number]\n1=7\n[Bar]\n0=3\n"),
       4, kDark, no_dice},
      {"a gap in a stack", Replace(good, "[5]\n1=8\n2=9\n3=10\n", "[5]\n1=8\n3=9\n9=10\n"), 4,
       kDark, no_dice},
      {"turn values no play can have",
       SnapshotOf("[Current Player]\nPlayer=7\nMoves=3\nPlay Number=2147483647\n"
                  "[Dice]\n1=9\n2=-2\n3=6\n4=6\n"),
       4, 0, no_dice},
      {"no turn at all", SnapshotOf(""), 4, 0, no_dice},
      {"a play that had begun",
       SnapshotOf("[Current Player]\nPlayer=2\nMoves=2\nPlay Number=4\n"
                  "[Dice]\n1=0\n2=0\n3=5\n4=0\n"),
       4,
       kDark,
       {0, 0, 5, 0}},
      {"the other side holding dice",
       SnapshotOf("[Current Player]\nPlayer=2\nMoves=0\nPlay Number=4\n"
                  "[Dice]\n1=3\n2=0\n3=4\n4=1\n"),
       4,
       kDark,
       {0, 0, 4, 1}},
      {"the opening decided for Dark",
       SnapshotOf("[Current Player]\nPlayer=2\nMoves=0\nPlay Number=4\n"
                  "[Dice]\n1=1\n2=3\n3=2\n4=5\n"),
       4,
       kDark,
       {0, 0, 3, 5}},
      {"stone 99", Replace(good, "[5]\n1=8\n", "[5]\n1=99\n"), 3, kLight, no_dice},
      {"an enormous number", Replace(good, "[5]\n1=8\n", "[5]\n1=99999999999\n"), 3, kLight,
       no_dice},
      {"a stone listed twice", Replace(good, "[24]\n1=1\n2=2\n", "[24]\n1=1\n2=1\n"), 3, kLight,
       no_dice},
      {"a stone both on the bar and in a stack", Replace(good, "4=14\n", "4=14\n5=15\n"), 3, kLight,
       no_dice},
      {"a stone only at level 40", Replace(good, "[24]\n1=1\n2=2\n", "[24]\n1=1\n40=2\n"), 3,
       kLight, no_dice},
      {"a stone missing", Replace(good, "1=15\n", ""), 3, kLight, no_dice},
      {"both sides on one point",
       Replace(Replace(good, "5=30\n", ""), "[24]\n1=1\n2=2\n", "[24]\n1=1\n2=2\n3=30\n"), 3,
       kLight, no_dice},
      {"a Dark stone in Light's tray", Replace(good, "[19]\n1=26\n", "[19]\n") + "[25]\n1=26\n", 3,
       kLight, no_dice},
      {"an empty file", "", 3, kLight, no_dice},
  };
  for (const HostileCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestBoard t;
    t.Start(Board(1, 5));
    History& history = *t.ctx().history;
    WriteText(history.SnapshotPath(3),
              SnapshotOf("[Current Player]\nPlayer=1\nMoves=0\nPlay Number=3\n"));
    WriteText(history.SnapshotPath(4), c.snapshot);

    t.board().Click("Undo");
    const StateStore& store = t.store();
    EXPECT_EQ(CheckBoardInvariants(store), "");
    EXPECT_EQ(store.GetPlayNumber(), c.play_after);
    EXPECT_EQ(store.GetCurrentPlayer(), c.player_after);
    EXPECT_EQ(store.GetMoveCount(), 0);
    for (int die = 1; die <= 4; ++die) EXPECT_EQ(store.GetDie(die), c.dice_after[die - 1]);
    EXPECT_FALSE(StateStore::FileExists(history.SnapshotPath(c.play_after)));
    // The board is the snapshot's, stone 15 back on the bar.
    EXPECT_TRUE(store.IsOnBar(15));
    EXPECT_EQ(store.GetStackHeight(13), 5);
  }
}

TEST(StepBackTest, WithNoUsableSnapshotTheGameGoesBackToItsStart) {
  TestBoard t;
  t.Start(Board(1, 5));
  History& history = *t.ctx().history;
  WriteText(history.SnapshotPath(2), "[24]\n1=99\n");
  WriteText(history.SnapshotPath(5), SnapshotOf(kTurn4));
  t.board().Click("Undo");
  EXPECT_EQ(t.store().GetPlayNumber(), 0);
  EXPECT_EQ(t.store().GetCurrentPlayer(), 0);
  EXPECT_EQ(t.store().GetStackHeight(24), 2);
  EXPECT_FALSE(std::filesystem::exists(history.MovesDirectory() + "/5"));
}

TEST(StepBackTest, TheSearchEndsWhateverThePlayNumber) {
  for (const bool with_snapshot : {true, false}) {
    SCOPED_TRACE(with_snapshot ? "snapshot 3 present" : "no snapshot");
    TestBoard t;
    t.Start(Board(1, 2147483647));
    if (with_snapshot) WriteText(t.ctx().history->SnapshotPath(3), SnapshotOf(kTurn4));
    t.board().Click("Undo");
    EXPECT_EQ(t.store().GetPlayNumber(), with_snapshot ? 3 : 0);
  }
}

// Board at play 5 with snapshots 1..4 of the same board.
void StartAtPlayFive(TestBoard& t) {
  t.Start(Board(1, 5));
  for (int play = 1; play <= 4; ++play) {
    WriteText(t.ctx().history->SnapshotPath(play),
              SnapshotOf("[Current Player]\nPlayer=" + std::to_string(play % 2 == 1 ? 1 : 2) +
                         "\nMoves=0\nPlay Number=" + std::to_string(play) + "\n"));
  }
}

TEST(UndoTest, CaptionPointerAndReplayFollowTheLabelsStates) {
  TestBoard t;
  StartAtPlayFive(t);
  GameContext& ctx = t.ctx();
  const Control& undo = ctx.controls.Undo;
  Timer& reverse = *ctx.timers.Reverse;

  // Two people: a click takes one play back.
  t.board().Click("Undo");
  EXPECT_EQ(t.store().GetPlayNumber(), 4);
  EXPECT_EQ(undo.caption, "BACK");
  EXPECT_FALSE(t.platform().busy());

  // A double click: its click takes one back, then the replay starts.
  t.board().Click("Undo");
  t.board().DoubleClick("Undo");
  EXPECT_EQ(t.store().GetPlayNumber(), 3);
  EXPECT_TRUE(reverse.Enabled());
  EXPECT_EQ(undo.caption, "STOP");
  EXPECT_TRUE(t.platform().busy());
  t.platform().RunFor(1999);
  EXPECT_EQ(t.store().GetPlayNumber(), 3);
  t.platform().RunFor(1);
  EXPECT_EQ(t.store().GetPlayNumber(), 2);
  EXPECT_EQ(undo.caption, "STOP");

  // A click stops the replay and takes nothing back.
  t.board().Click("Undo");
  EXPECT_FALSE(reverse.Enabled());
  EXPECT_EQ(undo.caption, "BACK");
  EXPECT_FALSE(t.platform().busy());
  t.platform().RunFor(10000);
  EXPECT_EQ(t.store().GetPlayNumber(), 2);

  // The computer plays Light: the click is STOP, which switches it off and nothing else.
  t.board().Click("Players");
  EXPECT_EQ(undo.caption, "STOP");
  ctx.flags.LightTurnRunning = true;
  t.board().Click("Undo");
  EXPECT_FALSE(ctx.flags.LightIsComputer);
  EXPECT_FALSE(ctx.flags.DarkIsComputer);
  EXPECT_FALSE(ctx.flags.LightTurnRunning);
  EXPECT_EQ(undo.caption, "BACK");
  EXPECT_EQ(ctx.controls.Players.caption, "PLAYERS - 1");
  EXPECT_EQ(ctx.controls.Demo.caption, "DEMO - OFF");
  EXPECT_TRUE(t.platform().busy());
  EXPECT_EQ(t.store().GetPlayNumber(), 2);

  // The replay runs into the start of the game: the new game ends it.
  t.board().Click("Undo");
  t.board().DoubleClick("Undo");
  EXPECT_EQ(t.store().GetPlayNumber(), 1);
  t.platform().RunFor(2000);
  EXPECT_EQ(t.store().GetPlayNumber(), 0);
  EXPECT_FALSE(reverse.Enabled());
  EXPECT_EQ(undo.caption, "BACK");
  EXPECT_FALSE(t.platform().busy());
}

TEST(UndoTest, TakingBackLeavesNothingOfTheTurnThatIsGone) {
  TestBoard t;
  StartAtPlayFive(t);
  GameContext& ctx = t.ctx();
  Flags& f = ctx.flags;
  // Left over from the play taken back; the computer's rolls refuse to start while they are
  // set, and a won game refuses every roll.
  f.GameOver = true;
  f.DoublesRolled = true;
  f.LightHasNoMoves = true;
  f.DarkHasNoMoves = true;
  f.LightTurnRunning = true;
  f.DarkTurnRunning = true;
  ctx.timers.LightDelay->SetEnabled(true);
  ctx.timers.DarkAuto->SetEnabled(true);
  t.board().Click("Undo");
  EXPECT_EQ(t.store().GetPlayNumber(), 4);
  EXPECT_FALSE(f.GameOver);
  EXPECT_FALSE(f.DoublesRolled);
  EXPECT_FALSE(f.LightHasNoMoves);
  EXPECT_FALSE(f.DarkHasNoMoves);
  EXPECT_FALSE(f.LightTurnRunning);
  EXPECT_FALSE(f.DarkTurnRunning);
  EXPECT_FALSE(ctx.timers.LightDelay->Enabled());
  EXPECT_FALSE(ctx.timers.DarkAuto->Enabled());
}

// Stone pictures, to see that nothing moves them once a play has been taken back.
std::vector<std::pair<double, double>> Pictures(TestBoard& t) {
  std::vector<std::pair<double, double>> where;
  for (int stone = 1; stone <= kStones; ++stone) {
    const Control& c = t.ctx().controls.Stone[stone];
    where.emplace_back(c.left, c.top);
  }
  return where;
}

TEST(UndoTest, StopAndBackWhileTheComputerPlaysLeaveABoardThatStaysPut) {
  // STOP and BACK are clicked while the computer's n-th stone is on its way, or at a given
  // time after DEMO was switched on (a roll or a move may be due). Timers armed for the
  // computer keep falling due afterwards; none of them may change the board taken back to.
  struct Moment {
    int nth_stone;  // 0: stop at `ms` instead
    int ms;
  };
  for (const Moment& m : {Moment{1, 0}, Moment{3, 0}, Moment{8, 0}, Moment{15, 0}, Moment{0, 900},
                          Moment{0, 5000}, Moment{0, 12000}, Moment{0, 20000}}) {
    SCOPED_TRACE("stone " + std::to_string(m.nth_stone) + ", " + std::to_string(m.ms) + " ms");
    TestBoard t(7);
    t.StartNew();
    t.board().Click("Demo");
    int seen = 0;
    bool travelling = false;
    const int until = m.nth_stone > 0 ? 60000 : m.ms;
    for (int ms = 0; ms < until && (m.nth_stone == 0 || seen < m.nth_stone); ms += 100) {
      t.platform().RunFor(100);
      const bool now = t.ctx().auto_play->StoneTravelling();
      if (now && !travelling) ++seen;
      travelling = now;
    }
    t.board().Click("Undo");
    t.board().Click("Undo");
    EXPECT_EQ(CheckBoardInvariants(t.store()), "");
    EXPECT_FALSE(t.ctx().auto_play->StoneTravelling());
    const std::string file = t.store().file().Serialize();
    const auto pictures = Pictures(t);
    t.platform().RunFor(30000);
    EXPECT_EQ(t.store().file().Serialize(), file);
    EXPECT_EQ(Pictures(t), pictures);
  }
}

}  // namespace
}  // namespace zelvik
