// Finds a side that cannot play any of its dice, tells the player and passes the turn.
#pragma once

#include "game/GameContext.h"

namespace zelvik {

class NoMoveCheck {
 public:
  explicit NoMoveCheck(GameContext& ctx) : ctx_(ctx) {}

  void CheckNoMoves();
  void CheckNoMovesFromBar();
  void CheckNoMovesNormal();
  void CheckNoMovesBearingOff();

  // The side to move loses its turn: message, dice dropped, turn passed.
  void NoMoveOutcome();

 private:
  // Open for a side: fewer than two stones, or the side's own bottom stone.
  bool IsOpenFor(int side, int section) const;
  bool IsOwnBottom(int side, int section) const;

  GameContext& ctx_;
};

}  // namespace zelvik
