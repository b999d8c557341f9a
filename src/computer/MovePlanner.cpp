#include "computer/MovePlanner.h"

namespace zelvik {

// Placeholder until the computer player lands.
void MovePlanner::PlayComputerMove() {}
void MovePlanner::PlanPairMove() {}
void MovePlanner::PlanSingleMove() {}
void MovePlanner::PlanEntry() {}
void MovePlanner::PlanBearOff() {}
int MovePlanner::BestPairCandidate() const { return 0; }
int MovePlanner::BestSingleCandidate() const { return 0; }
void MovePlanner::ClearCandidates() {
  ctx_.PairCandidates.fill(PairCandidate{});
  ctx_.SingleCandidates.fill(SingleCandidate{});
}
bool MovePlanner::ListPairCandidates() { return true; }
void MovePlanner::ListSingleCandidates() {}
void MovePlanner::ListEntryCandidates() {}
void MovePlanner::ListBearOffCandidates() {}
bool MovePlanner::IsOpen(int) const { return false; }

}  // namespace zelvik
