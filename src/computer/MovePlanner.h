// The computer's move choice: list every candidate of a fixed shape for the current dice,
// score each by the rules of MoveScoring, and start the best.
#pragma once

#include "game/GameContext.h"

namespace zelvik {

class MovePlanner {
 public:
  explicit MovePlanner(GameContext& ctx) : ctx_(ctx) {}

  // Plans and starts the next move of the side to move: a pair while no stone is on the bar
  // and not all are home, else a bear-off, else an entry.
  void PlayComputerMove();
  void PlanPairMove();
  void PlanSingleMove();
  void PlanEntry();
  void PlanBearOff();

  // The entry with the highest score above -200 (the first listed on a tie), 0 for none.
  int BestPairCandidate() const;
  int BestSingleCandidate() const;
  // Every field of every entry of both lists back to 0.
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
  // The section's bottom stone belongs to the side to move.
  bool Owns(int section) const;
  bool SideHasNoMoves() const;
  int FirstDieKey() const;
  bool AddPair(const PairCandidate& candidate, int* count);
  void AddSingle(const SingleCandidate& candidate, int* count);
  // Starts entry `entry` of the single list (nothing for 0) and clears the lists.
  void StartSingle(int entry);

  GameContext& ctx_;
};

}  // namespace zelvik
