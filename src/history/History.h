// The per-play snapshots in the Moves directory and taking plays back with BACK, its double
// click (the reverse replay) and STOP.
#pragma once

#include <string>

#include "game/GameContext.h"

namespace zelvik {

class History {
 public:
  explicit History(GameContext& ctx) : ctx_(ctx) {}

  std::string MovesDirectory() const;
  std::string SnapshotPath(int play) const;

  void SaveSnapshot();
  void StepBack();

  void OnUndoClick();
  void OnUndoDoubleClick();
  void OnReverseTimer();

 private:
  GameContext& ctx_;
};

}  // namespace zelvik
