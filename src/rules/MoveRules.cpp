#include "rules/MoveRules.h"

#include "board/BoardLayout.h"

namespace zelvik {

int MoveRules::SectionAtPosition(double left, double top) const {
  const double W = ctx_.controls.window_width;
  const double H = ctx_.controls.window_height;
  const double w = W / 15;
  auto in_column = [&](double x0) { return left > x0 + 0.15 * w && left < x0 + w - 0.1 * w; };

  double x0 = 0;
  for (int k = 1; k <= 12; ++k) {
    if (in_column(x0) && top > 0.028 * H && top < 0.4 * H) return k;
    x0 += w;
    if (k == 6) x0 += 0.45 * w;
  }
  x0 = 0;
  for (int k = 1; k <= 12; ++k) {
    if (in_column(x0) && top > 0.43 * H && top < 0.81 * H) return 12 + k;
    x0 += w;
    if (k == 6) x0 += 0.45 * w;
  }
  if (left > 0.85 * W && left < 0.94 * W) {
    if (top > 0.04 * H && top < 0.413 * H) return kLightTray;
    if (top > 0.413 * H && top < 0.83 * H) return kDarkTray;
  }
  return 0;
}

int MoveRules::OriginSection() const {
  return SectionAtPosition(ctx_.drag.DragOriginLeft, ctx_.drag.DragOriginTop);
}

int MoveRules::DropSection() const {
  return SectionAtPosition(ctx_.drag.DropLeft, ctx_.drag.DropTop);
}

bool MoveRules::IsDropSectionOpen() const {
  const int drop = DropSection();
  const int side = ctx_.Side();
  const int height = ctx_.store.GetStackHeight(drop);
  const int bottom = ctx_.store.GetBottomStone(drop);
  if (side == kLight) return height < 2 || bottom < 16;
  if (side == kDark) return height < 2 || bottom > 15;
  return false;
}

bool MoveRules::MoveUsesDie(int stone) const {
  const int distance =
      ctx_.model.SectionToPoint(DropSection()) - ctx_.model.SectionToPoint(OriginSection());
  if (distance <= 0) return false;
  const int first_key = stone < 16 ? 1 : 3;
  return distance == ctx_.store.GetDie(first_key) || distance == ctx_.store.GetDie(first_key + 1);
}

bool MoveRules::CanEnterAt() const {
  const int drop = DropSection();
  const int side = ctx_.Side();
  if (side != kLight && side != kDark) return false;
  const int first_key = side == kLight ? 1 : 3;
  const int die_a = ctx_.store.GetDie(first_key);
  const int die_b = ctx_.store.GetDie(first_key + 1);
  const int first = side == kLight ? 19 : 7;
  for (int section = first; section < first + 6; ++section) {
    const int point = BoardModel::SectionToPointFor(side, section);
    const int height = ctx_.store.GetStackHeight(section);
    const int bottom = ctx_.store.GetBottomStone(section);
    const bool open = height < 2 || (side == kLight ? bottom < 16 : bottom > 15);
    if ((point == die_a || point == die_b) && open && section == drop) return true;
  }
  return false;
}

bool MoveRules::HasStoneOnBar() const {
  const int side = ctx_.Side();
  for (int slot = 1; slot <= kBarSlots; ++slot) {
    const int stone = ctx_.store.GetBarSlot(slot);
    if (side == kLight && IsLightStone(stone)) return true;
    if (side == kDark && IsDarkStone(stone)) return true;
  }
  return false;
}

bool MoveRules::OpponentOnBar() const {
  const int side = ctx_.Side();
  for (int slot = 1; slot <= kBarSlots; ++slot) {
    const int stone = ctx_.store.GetBarSlot(slot);
    if (stone == -1) continue;
    if (side == kLight && stone > 15) return true;
    if (side == kDark && stone < 16) return true;
  }
  return false;
}

int MoveRules::MoverBarStone() const {
  const int side = ctx_.Side();
  int found = 0;
  for (int slot = 1; slot <= kBarSlots; ++slot) {
    const int stone = ctx_.store.GetBarSlot(slot);
    if (stone == -1) continue;
    if ((side == kLight && stone < 16) || (side == kDark && stone > 15)) found = stone;
  }
  return found;
}

bool MoveRules::AllHome(int side) const {
  for (int section = 1; section <= 24; ++section) {
    const bool home = side == kLight ? section >= 7 && section <= 12 : section >= 19;
    if (home) continue;
    for (int level = 1; level <= kMaxLevel; ++level) {
      const int stone = ctx_.store.GetStoneAt(section, level, 0);
      if (side == kLight && stone >= 1 && stone <= 15) return false;
      if (side == kDark && stone >= 16 && stone <= 30) return false;
    }
  }
  return true;
}

bool MoveRules::CanBearOff() const {
  const int side = ctx_.Side();
  if ((side == kLight || side == kDark) && !AllHome(side)) return false;
  return !HasStoneOnBar();
}

bool MoveRules::OpponentReadyToBearOff() const {
  const int side = ctx_.Side();
  if (side == kLight && !AllHome(kDark)) return false;
  if (side == kDark && !AllHome(kLight)) return false;
  return !OpponentOnBar();
}

bool MoveRules::CanBearOffFrom() const {
  const int origin = OriginSection();
  const int side = ctx_.Side();
  const int distance = ctx_.model.SectionToPoint(DropSection()) - ctx_.model.SectionToPoint(origin);
  const int first_key = side == kLight ? 1 : 3;
  const int a = ctx_.store.GetDie(first_key);
  const int b = ctx_.store.GetDie(first_key + 1);
  if (distance == a || distance == b) return true;
  if (distance > a && distance > b) return false;
  const int home_first = side == kLight ? 7 : 19;
  for (int section = home_first; section < origin; ++section) {
    const int bottom = ctx_.store.GetBottomStone(section);
    if (side == kLight && ctx_.store.GetStackHeight(section) > 0 && bottom < 16) return false;
    if (side == kDark && bottom > 15) return false;
  }
  // The farthest home section never gets here with a larger die (its distance is 6).
  return origin != home_first;
}

}  // namespace zelvik
