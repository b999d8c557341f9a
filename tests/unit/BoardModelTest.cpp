#include <gtest/gtest.h>

#include "TestBoard.h"
#include "state/BoardInvariants.h"
#include "state/BoardModel.h"

namespace zelvik {
namespace {

using testing::Position;
using testing::TestBoard;

struct PointCase {
  int side;
  int section;
  int point;
};

class SectionToPointTest : public ::testing::TestWithParam<PointCase> {};

TEST_P(SectionToPointTest, EachSideCountsItsOwnPoints) {
  const PointCase& c = GetParam();
  EXPECT_EQ(BoardModel::SectionToPointFor(c.side, c.section), c.point);
  if (c.point >= 1 && c.point <= 24) {
    EXPECT_EQ(BoardModel::PointToSectionFor(c.side, c.point), c.section);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, SectionToPointTest,
                         ::testing::Values(PointCase{kLight, 24, 1}, PointCase{kLight, 13, 12},
                                           PointCase{kLight, 1, 13}, PointCase{kLight, 12, 24},
                                           PointCase{kLight, 25, 25}, PointCase{kLight, 26, 0},
                                           PointCase{kLight, 0, 0}, PointCase{kDark, 12, 1},
                                           PointCase{kDark, 1, 12}, PointCase{kDark, 13, 13},
                                           PointCase{kDark, 24, 24}, PointCase{kDark, 26, 25},
                                           PointCase{kDark, 25, 0}, PointCase{0, 5, 0},
                                           PointCase{0, 25, 0}),
                         [](const ::testing::TestParamInfo<PointCase>& case_info) {
                           return std::string(case_info.param.side == kLight  ? "Light"
                                              : case_info.param.side == kDark ? "Dark"
                                                                              : "Nobody") +
                                  "Section" + std::to_string(case_info.param.section);
                         });

TEST(PointToSectionTest, EveryBoardPointRoundTripsAndOffBoardPointsAreNoTray) {
  for (int side : {kLight, kDark}) {
    for (int point = 1; point <= 24; ++point) {
      EXPECT_EQ(BoardModel::SectionToPointFor(side, BoardModel::PointToSectionFor(side, point)),
                point);
    }
    EXPECT_EQ(BoardModel::PointToSectionFor(side, 0), 0);
    EXPECT_EQ(BoardModel::PointToSectionFor(side, -3), 0);
  }
  // A point past 24 is not the tray: callers test the sum before using the section.
  EXPECT_EQ(BoardModel::PointToSectionFor(kLight, 25), 13);
  EXPECT_EQ(BoardModel::PointToSectionFor(kDark, 25), 25);
  EXPECT_EQ(BoardModel::PointToSectionFor(0, 5), 0);
}

TEST(StackTest, PushWritesLevelHeightAndKeyAndPopEmptiesTheTopLevel) {
  TestBoard t;
  t.StartNew();
  StateStore& store = t.store();
  store.EmptySection("12");
  store.Write(kPositionsSection, "12", 0);
  t.ctx().model.PushStone(16, 12);
  EXPECT_EQ(store.GetStackLevel(16), 1);
  EXPECT_EQ(store.GetStackHeight(12), 1);
  EXPECT_EQ(store.GetStoneAt(12, 1), 16);

  // Section 13 holds five stones; pop its top (stone 7 at level 5) twice down to three.
  t.ctx().model.PopStone(7, 13);
  t.ctx().model.PopStone(6, 13);
  EXPECT_EQ(store.GetStackHeight(13), 3);
  EXPECT_EQ(store.GetStoneAt(13, 4), -1);
  EXPECT_EQ(store.GetTopStone(13), 5);
  EXPECT_EQ(store.GetStoneBelowTop(13), 4);
  EXPECT_EQ(store.GetStackLevel(6), 4);  // a popped stone keeps its last level
}

TEST(StackTest, PushOntoNoSectionWritesNothing) {
  TestBoard t;
  t.StartNew();
  const std::string before = t.store().file().Serialize();
  t.ctx().model.PushStone(3, 0);
  EXPECT_EQ(t.store().file().Serialize(), before);
}

TEST(StartingPositionTest, NewGameSetsEveryStoneOnItsPoint) {
  TestBoard t;
  t.StartNew();
  const StateStore& store = t.store();
  const int sections[] = {24, 13, 5, 7, 12, 1, 17, 19};
  const int bottoms[] = {1, 3, 8, 11, 16, 18, 23, 26};
  const int heights[] = {2, 5, 3, 5, 2, 5, 3, 5};
  int total = 0;
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(store.GetBottomStone(sections[i]), bottoms[i]) << sections[i];
    EXPECT_EQ(store.GetStackHeight(sections[i]), heights[i]) << sections[i];
    total += heights[i];
  }
  EXPECT_EQ(total, 30);
  EXPECT_EQ(store.GetStackHeight(2), 0);
  EXPECT_EQ(store.GetStackHeight(25), 0);
  EXPECT_EQ(CheckBoardInvariants(store), "");
}

TEST(StateStoreTest, MissingFileReadsDefaults) {
  TestBoard t;
  const StateStore& store = t.store();
  EXPECT_FALSE(StateStore::FileExists(store.StateFilePath()));
  EXPECT_EQ(store.GetCurrentPlayer(), -1);
  EXPECT_EQ(store.GetDie(1), -1);
  EXPECT_EQ(store.GetStackHeight(5), 0);
  EXPECT_EQ(store.GetStackHeightOrNone(5), -1);
  EXPECT_EQ(store.GetBottomStone(5), -1);
  EXPECT_EQ(store.FindStoneSection(3), 0);
  EXPECT_EQ(store.FirstFreeBarSlot(), 1);
}

TEST(StateStoreTest, PathGetsExactlyOneSeparator) {
  EXPECT_EQ(StateStore::JoinPath("/games/zelvik", "Zelvik.ini"), "/games/zelvik/Zelvik.ini");
  EXPECT_EQ(StateStore::JoinPath("/", "Zelvik.ini"), "/Zelvik.ini");
  EXPECT_EQ(StateStore::JoinPath("/games/", "Zelvik.ini"), "/games/Zelvik.ini");
}

TEST(StateStoreTest, AnEmptiedBarSlotIsFreeAgain) {
  TestBoard t;
  Position p;
  p.sections = {{24, {1, 2}}};
  p.bar = {16, 17};
  t.Start(p);
  StateStore& store = t.store();
  EXPECT_EQ(store.FirstFreeBarSlot(), 3);
  store.WriteEmpty(kBarSection, "1");
  EXPECT_EQ(store.GetBarSlot(1), -1);
  EXPECT_EQ(store.FirstFreeBarSlot(), 1);
  EXPECT_TRUE(store.IsOnBar(17));
  EXPECT_FALSE(store.IsOnBar(16));
  EXPECT_EQ(store.FindStoneSection(17), 0);
}

TEST(StateStoreTest, SetCurrentPlayerStartsTheNextPlay) {
  TestBoard t;
  Position p;
  p.player = 1;
  p.moves = 1;
  p.play = 4;
  t.Start(p);
  t.store().SetCurrentPlayer(kDark);
  EXPECT_EQ(t.store().GetCurrentPlayer(), 2);
  EXPECT_EQ(t.store().GetMoveCount(), 0);
  EXPECT_EQ(t.store().GetPlayNumber(), 5);
}

}  // namespace
}  // namespace zelvik
