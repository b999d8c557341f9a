// The computer's judgement: fixed additive rules per kind of candidate. Every test reads the
// position before the candidate is played; each scoring pass adds to the scores the filled
// entries already hold (the planners clear the lists before listing).
#pragma once

#include "game/GameContext.h"

namespace zelvik {

class MoveScoring {
 public:
  explicit MoveScoring(GameContext& ctx) : ctx_(ctx) {}

  // Rules 1a..10 on every pair entry whose die1 is above 0.
  void ScorePairMoves();
  // Rules S1..S7 on all 30 single entries, empty ones included (they are never chosen).
  void ScoreSingleMoves();
  // Entering from the bar, on every entry whose die is above 0.
  void ScoreEntryMoves();
  // Bearing off, on all 30 entries.
  void ScoreBearOffMoves();

  // Sections holding one stone of the side to move inside its blot-counting home range.
  int CountHomeBlots() const;
  // Sections 1..24 holding one stone whose number lies in the side's counted range.
  int CountNumberedBlots() const;

 private:
  GameContext& ctx_;
};

}  // namespace zelvik
