// The computer's judgement: fixed additive rules per kind of candidate. Every test reads the
// position before the candidate is played.
#pragma once

#include "game/GameContext.h"

namespace zelvik {

class MoveScoring {
 public:
  explicit MoveScoring(GameContext& ctx) : ctx_(ctx) {}

  void ScorePairMoves();
  void ScoreSingleMoves();
  void ScoreEntryMoves();
  void ScoreBearOffMoves();

  int CountHomeBlots() const;
  int CountNumberedBlots() const;

 private:
  GameContext& ctx_;
};

}  // namespace zelvik
