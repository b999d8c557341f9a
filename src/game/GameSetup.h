// Window creation, a new game, and the rebuilding of the board from the state file.
#pragma once

#include <set>

#include "game/GameContext.h"

namespace zelvik {

class GameSetup {
 public:
  explicit GameSetup(GameContext& ctx) : ctx_(ctx) {}

  // The board window is created: draw the board, resume the game in the state file or start a
  // new one, then play the tune.
  void CreateWindow();
  void NewGame();
  void RestoreGame();

 private:
  void DeleteSnapshots();
  void SanitizeTurn();
  void SanitizeBar(std::set<int>& placed);

  GameContext& ctx_;
};

}  // namespace zelvik
