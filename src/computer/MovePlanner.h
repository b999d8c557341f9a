// The computer's move choice: list every candidate of a fixed shape for the current dice,
// score each by the rules of MoveScoring, and start the best.
#pragma once

#include "game/GameContext.h"

namespace zelvik {

class MovePlanner {
 public:
  explicit MovePlanner(GameContext& ctx) : ctx_(ctx) {}

  void PlayComputerMove();
  void PlanPairMove();
  void PlanSingleMove();
  void PlanEntry();
  void PlanBearOff();

  int BestPairCandidate() const;
  int BestSingleCandidate() const;
  void ClearCandidates();

  // Candidate listing alone, without scoring or starting a move (the planners use these).
  // ListPairCandidates returns false when a 101st entry would be needed.
  bool ListPairCandidates();
  void ListSingleCandidates();
  void ListEntryCandidates();
  void ListBearOffCandidates();

  // The computer's destination test: not held by two or more opposing stones.
  bool IsOpen(int section) const;

 private:
  bool Owns(int section) const;
  bool AddPair(const PairCandidate& candidate, int* count);
  void AddSingle(const SingleCandidate& candidate, int* count);
  void StartSingle(int entry);

  GameContext& ctx_;
};

}  // namespace zelvik
