#include "history/History.h"

#include "state/StateStore.h"

namespace zelvik {

std::string History::MovesDirectory() const {
  return StateStore::JoinPath(ctx_.store.program_dir(), "Moves");
}

std::string History::SnapshotPath(int play) const {
  return StateStore::JoinPath(MovesDirectory(), std::to_string(play));
}

// Placeholder until taking moves back lands.
void History::SaveSnapshot() {}
void History::StepBack() {}
void History::OnUndoClick() {}
void History::OnUndoDoubleClick() {}
void History::OnReverseTimer() {}

}  // namespace zelvik
