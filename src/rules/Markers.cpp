#include "rules/Markers.h"

#include "computer/MovePlanner.h"
#include "rules/MoveRules.h"

namespace zelvik {

void Markers::HideMarkers() {
  for (int section = 1; section <= kSections; ++section) {
    ctx_.controls.Display[section].visible = false;
  }
  ctx_.planner->ClearCandidates();
}

bool Markers::IsOpen(int side, int section) const {
  const int bottom = ctx_.store.GetBottomStone(section);
  const bool own = side == kLight ? bottom < 16 : bottom > 15;
  return own || ctx_.store.GetStackHeight(section) < 2;
}

void Markers::Record(int stone, int to, int* next) {
  if (*next > kSingleCandidateCount) return;
  ctx_.SingleCandidates[*next].stone = stone;
  ctx_.SingleCandidates[*next].to = to;
  ++*next;
}

void Markers::ShowRecorded() {
  for (int entry = 1; entry <= 2; ++entry) {
    const int to = ctx_.SingleCandidates[entry].to;
    if (to > 0 && to <= kSections) ctx_.controls.Display[to].visible = true;
  }
}

void Markers::ShowMoveMarkers(int stone) {
  const int side = ctx_.Side();
  if (side != kLight && side != kDark) return;
  const bool own_stone = side == kLight ? stone >= 1 && stone <= 15 : stone >= 16 && stone <= 30;
  const int section = ctx_.store.FindStoneSection(stone);
  const int point = BoardModel::SectionToPointFor(side, section);
  const bool side_on_bar = ctx_.rules->HasStoneOnBar();
  const bool stone_on_bar = ctx_.store.IsOnBar(stone);
  const int first_key = side == kLight ? 1 : 3;
  int next = 1;
  for (int key = first_key; key <= first_key + 1; ++key) {
    const int die = ctx_.store.GetDie(key);
    if (die <= 0) continue;
    const int target = BoardModel::PointToSectionFor(side, point + die);
    if (!side_on_bar && own_stone && point + die < 25 && IsOpen(side, target)) {
      Record(stone, target, &next);
    }
    if (stone_on_bar && own_stone && point + die < 25 && IsOpen(side, target)) {
      Record(stone, target, &next);
    }
  }
  ShowRecorded();
}

void Markers::ShowBearOffMarkers(int stone) {
  const int side = ctx_.Side();
  if (side != kLight && side != kDark) return;
  const int section = ctx_.store.FindStoneSection(stone);
  const int bottom = ctx_.store.GetBottomStone(section);
  const bool owned = ctx_.store.GetStackHeight(section) > 0 &&
                     (side == kLight ? IsLightStone(bottom) : IsDarkStone(bottom));
  const int point = BoardModel::SectionToPointFor(side, section);
  const int tray = side == kLight ? kLightTray : kDarkTray;
  const int home_first = side == kLight ? 7 : 19;
  const int first_key = side == kLight ? 1 : 3;
  int next = 1;
  for (int key = first_key; key <= first_key + 1; ++key) {
    const int die = ctx_.store.GetDie(key);
    if (die <= 0 || !owned) continue;
    if (point + die < 25) {
      const int target = BoardModel::PointToSectionFor(side, point + die);
      if (IsOpen(side, target)) Record(stone, target, &next);
    } else if (point + die == 25) {
      Record(stone, tray, &next);
    } else {
      bool farther_stone = false;
      for (int before = home_first; before < section; ++before) {
        const int b = ctx_.store.GetBottomStone(before);
        if (side == kLight ? IsLightStone(b) : IsDarkStone(b)) farther_stone = true;
      }
      if (!farther_stone) Record(stone, tray, &next);
    }
  }
  ShowRecorded();
}

bool Markers::MarkerDragBlocked(int stone) const {
  if (!ctx_.flags.MarkersOn) return false;
  for (int entry = 1; entry <= 2; ++entry) {
    if (ctx_.SingleCandidates[entry].stone == stone) return false;
  }
  return true;
}

}  // namespace zelvik
