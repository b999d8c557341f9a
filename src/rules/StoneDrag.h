// A person moves a stone by dragging its picture: button down, mouse moves, button up.
#pragma once

#include "game/GameContext.h"

namespace zelvik {

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

class StoneDrag {
 public:
  explicit StoneDrag(GameContext& ctx) : ctx_(ctx) {}

  // X and Y are the mouse position inside the picture, in twips.
  void OnMouseDown(int stone, int buttons, double x, double y);
  void OnMouseMove(int stone, int buttons, double x, double y);
  void OnMouseUp(int stone, int buttons, double x, double y);

  // Why a left-button drag of the stone would not move it; 0 when it may move.
  int DragRefusal(int stone) const;

 private:
  void SnapBack(int stone);

  GameContext& ctx_;
};

}  // namespace zelvik
