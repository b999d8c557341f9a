// What the numbers of the state file mean on the board: sides, stones, sections, each side's
// own point count, and the two stack operations.
//
// Sections 1..12 are the top row left to right, 13..24 the bottom row left to right, 25 Light's
// tray and 26 Dark's. Each side counts points 1..24 along its way (19..24 its home board) and
// 25 for borne off. Light travels sections 24..13 then 1..12; Dark 12..1 then 13..24.
#pragma once

#include "state/StateStore.h"

namespace zelvik {

inline constexpr int kLight = 1;
inline constexpr int kDark = 2;
inline constexpr int kLightTray = 25;
inline constexpr int kDarkTray = 26;

// A stone's side follows from its number alone; the tests are written the classic way, so an
// empty place (-1) passes the Light test and callers that mean a stone also test above 0.
inline bool IsLightStone(int stone) { return stone > 0 && stone < 16; }
inline bool IsDarkStone(int stone) { return stone > 15; }

class BoardModel {
 public:
  explicit BoardModel(StateStore& store) : store_(store) {}

  static int SectionToPointFor(int side, int section);
  static int PointToSectionFor(int side, int point);

  // For the side named by "Player" at the moment of the call.
  int SectionToPoint(int section) const {
    return SectionToPointFor(store_.GetCurrentPlayer(), section);
  }
  int PointToSection(int point) const {
    return PointToSectionFor(store_.GetCurrentPlayer(), point);
  }

  void PushStone(int stone, int section);
  void PopStone(int stone, int section);

 private:
  StateStore& store_;
};

}  // namespace zelvik
