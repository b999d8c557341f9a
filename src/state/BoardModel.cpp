#include "state/BoardModel.h"

namespace zelvik {

int BoardModel::SectionToPointFor(int side, int section) {
  if (side == kLight) {
    if (section >= 1 && section <= 12) return section + 12;
    if (section >= 13 && section <= 24) return 25 - section;
    if (section == kLightTray) return 25;
    return 0;
  }
  if (side == kDark) {
    if (section >= 1 && section <= 12) return 13 - section;
    if (section >= 13 && section <= 24) return section;
    if (section == kDarkTray) return 25;
    return 0;
  }
  return 0;
}

int BoardModel::PointToSectionFor(int side, int point) {
  if (point <= 0) return 0;
  if (side == kLight) return point <= 12 ? 25 - point : point - 12;
  if (side == kDark) return point <= 12 ? 13 - point : point;
  return 0;
}

void BoardModel::PushStone(int stone, int section) {
  const int height = store_.GetStackHeight(section) + 1;
  if (section <= 0) return;
  store_.Write(kStackNumberSection, StateStore::Key(stone), height);
  store_.Write(kPositionsSection, StateStore::Key(section), height);
  store_.Write(StateStore::Key(section), StateStore::Key(height), stone);
}

void BoardModel::PopStone(int stone, int section) {
  store_.Write(kPositionsSection, StateStore::Key(section), store_.GetStackHeight(section) - 1);
  const int level = store_.GetStackLevel(stone);
  if (level < 1) return;
  store_.WriteEmpty(StateStore::Key(section), StateStore::Key(level));
}

}  // namespace zelvik
