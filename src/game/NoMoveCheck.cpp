#include "game/NoMoveCheck.h"

#include "board/Feedback.h"
#include "rules/MoveRules.h"

namespace zelvik {

bool NoMoveCheck::IsOwnBottom(int side, int section) const {
  const int bottom = ctx_.store.GetBottomStone(section);
  return side == kLight ? bottom < 16 : bottom > 15;
}

bool NoMoveCheck::IsOpenFor(int side, int section) const {
  return ctx_.store.GetStackHeight(section) < 2 || IsOwnBottom(side, section);
}

void NoMoveCheck::CheckNoMoves() {
  if (ctx_.rules->CanBearOff()) {
    CheckNoMovesBearingOff();
  } else if (ctx_.rules->HasStoneOnBar()) {
    CheckNoMovesFromBar();
  } else {
    CheckNoMovesNormal();
  }
}

void NoMoveCheck::CheckNoMovesFromBar() {
  const int side = ctx_.Side();
  if (side != kLight && side != kDark) return;
  const int first_key = side == kLight ? 1 : 3;
  const int die_a = ctx_.store.GetDie(first_key);
  const int die_b = ctx_.store.GetDie(first_key + 1);
  const int first = side == kLight ? 19 : 7;
  for (int section = first; section < first + 6; ++section) {
    const int point = BoardModel::SectionToPointFor(side, section);
    if ((point == die_a || point == die_b) && IsOpenFor(side, section)) return;
  }
  NoMoveOutcome();
}

void NoMoveCheck::CheckNoMovesNormal() {
  const int side = ctx_.Side();
  if (side != kLight && side != kDark) return;
  const int first_key = side == kLight ? 1 : 3;
  for (int section = 1; section <= 24; ++section) {
    const int bottom = ctx_.store.GetBottomStone(section);
    const bool own = side == kLight ? IsLightStone(bottom) : IsDarkStone(bottom);
    if (!own) continue;
    const int point = BoardModel::SectionToPointFor(side, section);
    for (int key = first_key; key <= first_key + 1; ++key) {
      const int die = ctx_.store.GetDie(key);
      if (die <= 0) continue;
      const int target = point + die;
      if (target < 25 && IsOpenFor(side, BoardModel::PointToSectionFor(side, target))) return;
    }
  }
  NoMoveOutcome();
}

void NoMoveCheck::CheckNoMovesBearingOff() {
  const int side = ctx_.Side();
  if (side != kLight && side != kDark) return;
  const int first_key = side == kLight ? 1 : 3;
  const int home_first = side == kLight ? 7 : 19;
  auto holds_own = [&](int section) {
    const int bottom = ctx_.store.GetBottomStone(section);
    return ctx_.store.GetStackHeight(section) > 0 &&
           (side == kLight ? IsLightStone(bottom) : IsDarkStone(bottom));
  };

  // Pass 1: a move inside the home board or an exact bear-off.
  for (int key = first_key; key <= first_key + 1; ++key) {
    const int die = ctx_.store.GetDie(key);
    if (die <= 0) continue;
    for (int section = home_first; section < home_first + 6; ++section) {
      if (!holds_own(section)) continue;
      const int target = BoardModel::SectionToPointFor(side, section) + die;
      if (target < 25 && IsOpenFor(side, BoardModel::PointToSectionFor(side, target))) return;
      if (target == 25) return;
    }
  }
  // Pass 2: a larger die bears off the stone farthest from home.
  for (int key = first_key; key <= first_key + 1; ++key) {
    const int die = ctx_.store.GetDie(key);
    if (die <= 0) continue;
    for (int section = home_first; section < home_first + 6; ++section) {
      if (!holds_own(section)) continue;
      const int target = BoardModel::SectionToPointFor(side, section) + die;
      if (target <= 25) continue;
      bool farther_stone = false;
      for (int before = home_first; before < section; ++before) {
        if (holds_own(before)) farther_stone = true;
      }
      if (!farther_stone) return;
      break;  // this die is given up; try the next one
    }
  }
  NoMoveOutcome();
}

void NoMoveCheck::NoMoveOutcome() {
  const int side = ctx_.Side();
  if (side != kLight && side != kDark) return;
  Flags& f = ctx_.flags;
  Controls& c = ctx_.controls;
  const bool light = side == kLight;
  ctx_.feedback->ShowTimedMessage(light ? kLightHasNoMoves : kDarkHasNoMoves);
  if (light) {
    f.LightHasNoMoves = true;
    f.LightTurnRunning = false;
    f.DarkHasNoMoves = false;
  } else {
    f.DarkHasNoMoves = true;
    f.DarkTurnRunning = false;
    f.LightHasNoMoves = false;
  }
  f.DoublesRolled = false;
  const int first_key = light ? 1 : 3;
  ctx_.store.SetDie(first_key, 0);
  ctx_.store.SetDie(first_key + 1, 0);
  ctx_.store.SetMoveCount(0);
  ctx_.store.SetCurrentPlayer(light ? kDark : kLight);
  auto& own = light ? c.LightDie : c.DarkDie;
  auto& other = light ? c.DarkDie : c.LightDie;
  own[1].visible = false;
  own[2].visible = false;
  other[2].picture = light ? 20 : 10;
  other[2].visible = true;
  if (light ? f.DarkIsComputer : f.LightIsComputer) {
    (light ? ctx_.timers.DarkDelay : ctx_.timers.LightDelay)->SetEnabled(true);
  }
}

}  // namespace zelvik
