// The per-play snapshots in the Moves directory and taking plays back with BACK, its double
// click (the reverse replay) and STOP.
//
// Snapshot n is a copy of the turn, the dice, the bar and the level keys of the state file at
// the moment play n began; it is named by the decimal play number. Taking a play back copies
// the latest earlier snapshot into the state file and deletes it; the board is then rebuilt
// from the file by the caller.
#pragma once

#include <string>
#include <vector>

#include "game/GameContext.h"
#include "state/IniFile.h"

namespace zelvik {

class History {
 public:
  explicit History(GameContext& ctx) : ctx_(ctx) {}

  std::string MovesDirectory() const;
  std::string SnapshotPath(int play) const;

  // The text of the snapshot of the state file as it is now.
  std::string SnapshotText() const;
  // Writes the snapshot of the current play number, replacing any older file of that number
  // whole. Failures are ignored: a lost snapshot is skipped when taking plays back.
  void SaveSnapshot();
  // Copies the latest usable snapshot below the current play number into the state file and
  // deletes it; starts a new game when the play number is below 2 or no snapshot is usable.
  // The caller rebuilds the board from the file (RestoreGame).
  void StepBack();

  void OnUndoClick();
  void OnUndoDoubleClick();
  void OnReverseTimer();

 private:
  // True when the snapshot describes a board that can be played: every stone exactly once on
  // levels 1..15 of the sections or in a bar slot, no point holding both sides, each tray
  // holding only its own side.
  static bool IsUsableSnapshot(const IniFile& snapshot);
  // Play numbers below `play` (and at least 1) that have a snapshot file, latest first.
  std::vector<int> EarlierSnapshots(int play) const;
  void CopyFromSnapshot(const IniFile& snapshot, int play);
  // The play the state file now holds starts afresh: nothing of the taken-back turn goes on.
  void ForgetTakenBackTurn();
  // StepBack, the board rebuilt, and a won game open again.
  void TakeBackOnePlay();

  GameContext& ctx_;
  // Set while a step back runs, so that an event handled in the middle of it (a new game lets
  // pending events run) cannot start a second one.
  bool stepping_back_ = false;
};

}  // namespace zelvik
