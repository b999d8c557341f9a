// The legal-move markers: red arrow heads on every section the stone under the mouse could
// reach with one of its side's dice. The same list restricts dragging while markers are on.
#pragma once

#include "game/GameContext.h"

namespace zelvik {

class Markers {
 public:
  explicit Markers(GameContext& ctx) : ctx_(ctx) {}

  void HideMarkers();
  void ShowMoveMarkers(int stone);
  void ShowBearOffMarkers(int stone);
  bool MarkerDragBlocked(int stone) const;

 private:
  void Record(int stone, int to, int* next);
  void ShowRecorded();
  bool IsOpen(int side, int section) const;

  GameContext& ctx_;
};

}  // namespace zelvik
