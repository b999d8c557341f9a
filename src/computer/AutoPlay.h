// The timers that pace the computer: its rolls, its moves and each step of its travelling
// stone, one point per Mover tick.
#pragma once

#include <string>

#include "game/GameContext.h"

namespace zelvik {

class AutoPlay {
 public:
  explicit AutoPlay(GameContext& ctx) : ctx_(ctx) {}

  // Timer handlers; each disables its own timer first, so every arming fires once.
  void OnLightDelay();
  void OnDarkDelay();
  void OnLightAuto();
  void OnDarkAuto();
  void OnPairMover();
  void OnMover();

  // Starts the first half of a pair (the stone and die the planner chose) or, once that half
  // has been started, the second half (SecondStone, SecondDie).
  void StartPairMove(int& stone, int& die);
  // One step of the computer's stone: a new move starts with its first step at once, every
  // Mover tick takes one more point, and the last step carries out the move.
  void StepComputerMove(int& stone, int& die);

  // Drops a computer move that is travelling or pending, leaving the board as the state file
  // says: used before the board changes under it (a new game, a step back).
  void CancelMove();
  bool StoneTravelling() const { return ctx_.computer_move.animating; }
  // A stone travels, or a new move is being started (pending events run before its first
  // step): no other move may start now.
  bool MoveUnderWay() const { return ctx_.computer_move.animating || starting_; }

  // Moves started and moves cancelled so far; a planner compares them to tell whether it
  // started one, and whether the board it planned on is gone.
  int moves_started() const { return moves_started_; }
  int cancels() const { return cancels_; }

 private:
  // Records a new move of `stone` by `die`; false when the stone cannot move now.
  bool BeginMove(int stone, int die);
  // After a move has been carried out: a pending second half only goes on in the same turn.
  void AfterCompletion(int side);
  // The state file differs from what the move in progress was planned on.
  bool BoardChanged(const std::string& planned) const;
  // Abandons the move in progress without writing anything; the picture goes back to rest.
  void DropMove();
  void DropPendingHalf();
  void RestorePicture();
  // Lets the side's computer plan afresh when a dropped half leaves it with dice and its turn.
  void ResumeTurn(int side);

  GameContext& ctx_;
  int moves_started_ = 0;
  int cancels_ = 0;
  bool starting_ = false;
  // The state file as the travelling move was planned on, and as the pending second half of a
  // pair expects it; any other writer in between means the plan no longer fits the board.
  std::string travel_board_;
  std::string pair_board_;
  // Where the travelling stone's picture rested, and its place in the state file then.
  double rest_left_ = 0;
  double rest_top_ = 0;
  int rest_section_ = 0;
  int rest_level_ = 0;
};

}  // namespace zelvik
