#include "computer/MoveScoring.h"

namespace zelvik {

// Placeholder until the computer player lands.
void MoveScoring::ScorePairMoves() {}
void MoveScoring::ScoreSingleMoves() {}
void MoveScoring::ScoreEntryMoves() {}
void MoveScoring::ScoreBearOffMoves() {}
int MoveScoring::CountHomeBlots() const { return 0; }
int MoveScoring::CountNumberedBlots() const { return 0; }

}  // namespace zelvik
