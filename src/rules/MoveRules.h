// The rules as the board applies them: the section a picture was dropped on, whether a drop is
// a legal single-die move for the side to move, and the side-wide questions the drag handlers,
// the move bookkeeping and the computer player ask. Every rule reads the state file afresh.
#pragma once

#include "game/GameContext.h"

namespace zelvik {

class MoveRules {
 public:
  explicit MoveRules(GameContext& ctx) : ctx_(ctx) {}

  // Section 1..26 whose drop window holds the picture's top-left corner, else 0.
  int SectionAtPosition(double left, double top) const;

  // These four read the origin and drop sections from the drag positions.
  bool IsDropSectionOpen() const;
  bool MoveUsesDie(int stone) const;
  bool CanEnterAt() const;
  bool CanBearOffFrom() const;

  bool HasStoneOnBar() const;
  bool OpponentOnBar() const;
  int MoverBarStone() const;
  bool CanBearOff() const;
  bool OpponentReadyToBearOff() const;

  int OriginSection() const;
  int DropSection() const;

 private:
  // All of `side`'s stones are in its home board (the bar is asked separately).
  bool AllHome(int side) const;

  GameContext& ctx_;
};

}  // namespace zelvik
