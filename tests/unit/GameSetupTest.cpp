#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TestBoard.h"
#include "game/GameSetup.h"
#include "state/BoardInvariants.h"

namespace zelvik {
namespace {

using testing::Position;
using testing::TestBoard;

// A legal mid-game board: every stone somewhere, Light to move.
Position MidGame() {
  Position p;
  p.player = 1;
  p.moves = 1;
  p.play = 3;
  p.dice = {5, 0, 0, 0};
  p.sections = {{24, {1}},
                {20, {2}},
                {13, {3, 4, 5, 6, 7}},
                {5, {8, 9, 10}},
                {7, {11, 12, 13}},
                {8, {14, 15}},
                {12, {16, 17}},
                {1, {18, 19, 20, 21, 22}},
                {17, {23, 24, 25}},
                {19, {26, 27, 28, 29}}};
  p.bar = {30};
  return p;
}

TEST(RestoreGameTest, ResumesTheTurnAndShowsOnlyTheDiceLeft) {
  TestBoard t;
  t.Start(MidGame());
  const StateStore& store = t.store();
  EXPECT_EQ(store.GetCurrentPlayer(), 1);
  EXPECT_EQ(store.GetMoveCount(), 1);
  EXPECT_EQ(store.GetPlayNumber(), 3);
  EXPECT_EQ(store.GetStackHeight(13), 5);
  EXPECT_EQ(store.GetStackLevel(7), 5);
  EXPECT_EQ(CheckBoardInvariants(store), "");
  const Controls& c = t.ctx().controls;
  EXPECT_TRUE(c.LightDie[1].visible);
  EXPECT_EQ(c.LightDie[1].picture, 15);
  EXPECT_FALSE(c.LightDie[2].visible);
  EXPECT_FALSE(c.DarkDie[1].visible);
  EXPECT_FALSE(c.DarkDie[2].visible);
  // Stone 30 sits in bar slot 1: the bar column, one slot down.
  EXPECT_DOUBLE_EQ(c.Stone[30].left, 0.42 * c.window_width);
  EXPECT_DOUBLE_EQ(c.Stone[30].top, 0.2 * c.window_height + 2 * c.window_width / 20);
  // A person's side: every placement clicks, then the window's tune.
  EXPECT_EQ(t.transcript.size(), 30u);
  EXPECT_EQ(t.transcript.back(), "sound 30");
}

TEST(RestoreGameTest, AGapInAStackClosesUp) {
  TestBoard t;
  Position p = MidGame();
  std::string text = p.ToIni();
  // Section 5 holds stones 8, 9, 10 at levels 1, 3, 4 with level 2 missing.
  const std::string from = "[5]\n1=8\n2=9\n3=10\n";
  text.replace(text.find(from), from.size(), "[5]\n1=8\n3=9\n4=10\n");
  t.StartWithText(text);
  const StateStore& store = t.store();
  EXPECT_EQ(store.GetStackHeight(5), 3);
  EXPECT_EQ(store.GetStoneAt(5, 2), 9);
  EXPECT_EQ(store.GetStoneAt(5, 3), 10);
  EXPECT_EQ(store.GetStoneAt(5, 4), -1);
  EXPECT_EQ(CheckBoardInvariants(store), "");
}

TEST(RestoreGameTest, AHostileFileKeepsOnlyWhatTheRulesCanUse) {
  TestBoard t;
  t.StartWithText(
      "junk line\n[Current Player]\nPlayer=7\nMoves=-40\nPlay Number=-2\n"
      "[Dice]\n1=99\n2=3\n3=-1\n4=x\n"
      "[Bar]\n1=99\n2=16\n3=16\n4=0\n5=-5\n6=3\n"
      "[24]\n1=1\n2=99\n3=2\n40=5\n"
      "[13]\n1=3\n2=3\n3=4\n"
      "[12]\n1=16\n2=17\n"
      "[Positions]\n24=-7\n13=999\n"
      "[Stack Number]\n1=40\n");
  const StateStore& store = t.store();
  EXPECT_EQ(store.GetCurrentPlayer(), 0);
  EXPECT_EQ(store.GetMoveCount(), 0);
  EXPECT_EQ(store.GetPlayNumber(), 0);
  EXPECT_EQ(store.GetDie(1), 0);
  EXPECT_EQ(store.GetDie(2), 3);
  EXPECT_EQ(store.GetDie(3), 0);
  EXPECT_EQ(store.GetDie(4), 0);
  EXPECT_EQ(store.GetStackHeight(24), 2);
  EXPECT_EQ(store.GetStoneAt(24, 2), 2);
  EXPECT_EQ(store.GetStoneAt(24, 40), -1);
  EXPECT_EQ(store.GetStackHeight(13), 2);  // stone 3 once, then 4
  EXPECT_EQ(store.GetStoneAt(13, 2), 4);
  EXPECT_EQ(store.GetStackHeight(12), 2);
  // Stone 16 stands on section 12, so the bar keeps nothing of it; nor of stone 3.
  EXPECT_FALSE(store.IsOnBar(16));
  EXPECT_FALSE(store.IsOnBar(3));
  EXPECT_EQ(store.FirstFreeBarSlot(), 1);
  // Every stone the file names is in exactly one place (the missing ones are simply absent).
  const std::string error = CheckBoardInvariants(store);
  EXPECT_EQ(error.find("both"), std::string::npos) << error;
  EXPECT_EQ(error.find("level"), std::string::npos) << error;
}

TEST(RestoreGameTest, AFileWithNothingUsefulRestoresAnEmptyBoard) {
  TestBoard t;
  t.StartWithText("this is not a state file\n");
  EXPECT_EQ(t.store().GetCurrentPlayer(), 0);
  for (int section = 1; section <= 26; ++section) EXPECT_EQ(t.store().GetStackHeight(section), 0);
}

TEST(NewGameTest, ResetStartsAfreshEmptiesMovesAndKeepsTheSwitches) {
  TestBoard t;
  t.Start(MidGame());
  const std::string moves = t.dir() + "/Moves";
  std::filesystem::create_directories(moves);
  std::ofstream(moves + "/1") << "[Current Player]\nPlayer=1\n";
  std::ofstream(moves + "/2") << "[Current Player]\nPlayer=2\n";
  BoardWindow& board = t.board();
  board.Click("Marker");
  board.Click("Hit");
  board.Click("Demo");
  t.transcript.clear();

  board.Click("Reset");
  const StateStore& store = t.store();
  EXPECT_EQ(store.GetCurrentPlayer(), 0);
  EXPECT_EQ(store.GetPlayNumber(), 0);
  EXPECT_EQ(store.GetDie(2), 0);
  EXPECT_EQ(store.GetStackHeight(24), 2);
  EXPECT_FALSE(store.IsOnBar(30));
  EXPECT_EQ(CheckBoardInvariants(store), "");
  EXPECT_TRUE(std::filesystem::is_empty(moves));
  const Controls& c = t.ctx().controls;
  EXPECT_EQ(c.Players.caption, "PLAYERS - 2");
  EXPECT_EQ(c.Demo.caption, "DEMO - OFF");
  EXPECT_EQ(c.Undo.caption, "BACK");
  EXPECT_EQ(c.Marker.caption, "MARKERS - ON");
  EXPECT_EQ(c.Hit.caption, "  AGGRESSIVE");
  EXPECT_FALSE(t.ctx().flags.LightIsComputer);
  EXPECT_TRUE(t.ctx().flags.MarkersOn);
  EXPECT_TRUE(c.LightDie[2].visible && c.DarkDie[2].visible);
  EXPECT_FALSE(c.LightDie[1].visible || c.DarkDie[1].visible);
  EXPECT_EQ(c.LightDie[2].picture, 10);
  EXPECT_EQ(c.DarkDie[2].picture, 20);
  EXPECT_EQ(t.transcript, std::vector<std::string>{"sound 30"});
}

}  // namespace
}  // namespace zelvik
