// A board window on the headless platform in a scratch directory, for unit tests.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "board/BoardWindow.h"
#include "platform/HeadlessPlatform.h"

namespace zelvik::testing {

// A position to start from: stones per section bottom first, bar slots in order, the turn.
struct Position {
  int player = 1;
  int moves = 0;
  int play = 1;
  std::array<int, 4> dice{0, 0, 0, 0};
  std::map<int, std::vector<int>> sections;
  std::vector<int> bar;

  // The state file text for this position.
  std::string ToIni() const;
};

class TestBoard {
 public:
  explicit TestBoard(std::uint64_t seed = 1);
  ~TestBoard();

  // Writes the state file (before Start) and creates the board window, which restores it.
  void Start(const Position& position);
  void StartWithText(const std::string& ini_text);
  // Creates the board window with no state file: a new game.
  void StartNew();

  // A person's left-button drag of the stone, released with the picture's corner in the middle
  // of the section's drop window (0: on the bar column, where no section is).
  void Drag(int stone, int section, int buttons = 1);
  // The place a drag to the section releases the picture at.
  double DropLeft(int section) const;
  double DropTop(int section) const;

  BoardWindow& board() { return *board_; }
  GameContext& ctx() { return board_->ctx(); }
  StateStore& store() { return board_->ctx().store; }
  HeadlessPlatform& platform() { return *platform_; }
  const std::string& dir() const { return dir_; }

  // Everything the platform reported, one line each ("message TEXT", "sound N").
  std::vector<std::string> transcript;

 private:
  std::string dir_;
  std::unique_ptr<HeadlessPlatform> platform_;
  std::unique_ptr<BoardWindow> board_;
};

}  // namespace zelvik::testing
