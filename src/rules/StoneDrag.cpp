#include "rules/StoneDrag.h"

#include "rules/Markers.h"
#include "rules/MoveMaker.h"
#include "rules/MoveRules.h"

namespace zelvik {

void StoneDrag::SnapBack(int stone) {
  Control& picture = ctx_.controls.Stone[stone];
  picture.left = ctx_.drag.DragOriginLeft;
  picture.top = ctx_.drag.DragOriginTop;
}

void StoneDrag::OnMouseDown(int stone, int /*buttons*/, double x, double y) {
  if (ctx_.flags.GameOver) return;
  const Control& picture = ctx_.controls.Stone[stone];
  ctx_.drag.DragOriginLeft = picture.left;
  ctx_.drag.DragOriginTop = picture.top;
  ctx_.drag.GrabX = x;
  ctx_.drag.GrabY = y;
}

int StoneDrag::DragRefusal(int stone) const {
  const MoveRules& rules = *ctx_.rules;
  const StateStore& store = ctx_.store;
  const int side = ctx_.Side();
  if (ctx_.markers->MarkerDragBlocked(stone)) return 1;
  if (rules.HasStoneOnBar() && !store.IsOnBar(stone)) return 2;
  if (store.GetDie(1) == 0 && store.GetDie(2) == 0 && store.GetDie(3) == 0 &&
      store.GetDie(4) == 0) {
    return 3;
  }
  if ((side == kLight && stone > 15) || (side == kDark && stone < 16) || side == 0) return 4;
  const int origin = rules.OriginSection();
  if (origin == kLightTray || origin == kDarkTray) return 5;
  if (store.GetStackLevel(stone) != store.GetStackHeight(origin) && !store.IsOnBar(stone)) {
    return 6;
  }
  // The computer's stones are its own: a person's drag would act on the stacks and dice the
  // computer is playing with.
  if ((stone < 16 && ctx_.flags.LightIsComputer) || (stone > 15 && ctx_.flags.DarkIsComputer)) {
    return 7;
  }
  return 0;
}

void StoneDrag::OnMouseMove(int stone, int buttons, double x, double y) {
  if (ctx_.flags.GameOver) return;
  if (ctx_.flags.MarkersOn && buttons != kLeftButton) {
    ctx_.markers->HideMarkers();
    if (ctx_.rules->CanBearOff()) {
      ctx_.markers->ShowBearOffMarkers(stone);
    } else {
      ctx_.markers->ShowMoveMarkers(stone);
    }
  }
  if (buttons != kLeftButton || DragRefusal(stone) != 0) return;
  Control& picture = ctx_.controls.Stone[stone];
  picture.left += x - ctx_.drag.GrabX;
  picture.top += y - ctx_.drag.GrabY;
}

void StoneDrag::OnMouseUp(int stone, int /*buttons*/, double /*x*/, double /*y*/) {
  if (ctx_.flags.GameOver) return;
  MoveRules& rules = *ctx_.rules;
  ctx_.markers->HideMarkers();
  const Control& picture = ctx_.controls.Stone[stone];
  ctx_.drag.DropLeft = picture.left;
  ctx_.drag.DropTop = picture.top;
  const int drop = rules.DropSection();
  const int origin = rules.OriginSection();

  if (drop == 0 || drop == origin || (drop == kLightTray && stone > 15) ||
      (drop == kDarkTray && stone < 16) || (stone < 16 && ctx_.flags.LightIsComputer) ||
      (stone > 15 && ctx_.flags.DarkIsComputer)) {
    SnapBack(stone);
    return;
  }
  if (drop == kLightTray || drop == kDarkTray) {
    if (rules.CanBearOff() && rules.CanBearOffFrom()) {
      ctx_.mover->PersonBearOff(stone, origin, drop);
    } else {
      SnapBack(stone);
    }
    return;
  }
  if (ctx_.store.IsOnBar(stone)) {
    if (rules.CanEnterAt()) {
      ctx_.mover->PersonEnter(stone, drop);
      return;
    }
    SnapBack(stone);
  }
  if (!rules.HasStoneOnBar()) {
    if (rules.MoveUsesDie(stone) && rules.IsDropSectionOpen()) {
      ctx_.mover->PersonNormalMove(stone, origin, drop);
    } else {
      SnapBack(stone);
    }
  }
  ctx_.drag.DragOriginLeft = 0;
  ctx_.drag.DragOriginTop = 0;
}

}  // namespace zelvik
