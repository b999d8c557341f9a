// Whole games played as two people would: only die clicks and drags, the first legal drag
// found each time. Every event must leave a sound board, and every game must end in a win.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "TestBoard.h"
#include "game/Turns.h"
#include "state/BoardInvariants.h"

namespace zelvik {
namespace {

using testing::TestBoard;

class PersonBot {
 public:
  explicit PersonBot(TestBoard& t) : t_(t) {}

  // Plays until a side wins; false (with a reason) when the game gets stuck.
  bool PlayToTheEnd(std::string* reason) {
    for (int step = 0; step < 5000; ++step) {
      if (t_.ctx().flags.GameOver) return true;
      const std::string broken = CheckBoardInvariants(t_.store());
      if (!broken.empty()) {
        *reason = "invariant: " + broken;
        return false;
      }
      const int side = t_.store().GetCurrentPlayer();
      if (side == 0) {
        Click("LightDie", 2);
        if (t_.store().GetCurrentPlayer() == 0) Click("DarkDie", 2);
      } else if (!t_.ctx().turns->DiceRemain()) {
        Click(side == kLight ? "LightDie" : "DarkDie", 2);
      } else if (!MakeAnyMove(side)) {
        *reason = "no drag is accepted though dice remain at step " + std::to_string(step);
        return false;
      }
    }
    *reason = "the game did not end";
    return false;
  }

  const std::vector<std::string>& commands() const { return commands_; }

 private:
  void Click(const char* name, int index) {
    t_.board().Click(name, index);
    commands_.push_back(std::string("click ") + name + " " + std::to_string(index));
  }

  bool MakeAnyMove(int side) {
    const StateStore& store = t_.store();
    const int first = side == kLight ? 1 : 16;
    for (int stone = first; stone < first + 15; ++stone) {
      const int section = store.FindStoneSection(stone);
      const bool movable = store.IsOnBar(stone) ||
                           (section >= 1 && section <= 24 && store.GetTopStone(section) == stone);
      if (!movable) continue;
      for (int target = 1; target <= 26; ++target) {
        const std::string before = store.file().Serialize();
        t_.Drag(stone, target);
        if (store.file().Serialize() != before) {
          commands_.push_back("drag " + std::to_string(stone) + " " + std::to_string(target));
          return true;
        }
      }
    }
    return false;
  }

  TestBoard& t_;
  std::vector<std::string> commands_;
};

class TwoPersonGameTest : public ::testing::TestWithParam<int> {};

TEST_P(TwoPersonGameTest, AGamePlayedByDragsEndsWithAWinner) {
  TestBoard t(GetParam());
  t.StartNew();
  PersonBot bot(t);
  std::string reason;
  ASSERT_TRUE(bot.PlayToTheEnd(&reason)) << reason;
  const std::string& last = t.transcript.back();
  EXPECT_TRUE(last == "message Light Wins." || last == "message Dark Wins.") << last;
  if (last == "message Dark Wins.") {
    EXPECT_EQ(t.transcript[t.transcript.size() - 2], "sound 30");
  }
  // Every move clicks; nothing moves once the game is over.
  const std::string before = t.store().file().Serialize();
  t.board().Click("LightDie", 2);
  t.board().Click("DarkDie", 2);
  for (int stone = 1; stone <= 30; ++stone) t.Drag(stone, 25);
  EXPECT_EQ(t.store().file().Serialize(), before);

  if (const char* path = std::getenv("ZELVIK_RECORD_GAME")) {
    std::ofstream out(path);
    out << "#! --seed " << GetParam() << "\nstart\n";
    for (const std::string& command : bot.commands()) out << command << "\n";
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, TwoPersonGameTest, ::testing::Values(1, 2, 3, 4, 5, 6));

}  // namespace
}  // namespace zelvik
