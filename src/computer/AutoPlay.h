// The timers that pace the computer: its rolls, its moves and each step of its travelling
// stone, one point per Mover tick.
#pragma once

#include "game/GameContext.h"

namespace zelvik {

class AutoPlay {
 public:
  explicit AutoPlay(GameContext& ctx) : ctx_(ctx) {}

  void OnLightDelay();
  void OnDarkDelay();
  void OnLightAuto();
  void OnDarkAuto();
  void OnPairMover();
  void OnMover();

  void StartPairMove(int& stone, int& die);
  void StepComputerMove(int& stone, int& die);

  // Drops a computer move that is travelling or pending, leaving the board as the state file
  // says: used before the board changes under it (a new game, a step back).
  void CancelMove();
  bool StoneTravelling() const { return ctx_.computer_move.animating; }

 private:
  GameContext& ctx_;
};

}  // namespace zelvik
