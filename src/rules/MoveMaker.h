// Carries out a single-die move already found legal: the stacks in the state file, the stone
// pictures, hits, the bar, the trays, the used die and the winner.
#pragma once

#include "game/GameContext.h"

namespace zelvik {

class MoveMaker {
 public:
  explicit MoveMaker(GameContext& ctx) : ctx_(ctx) {}

  void PlaceStone(int stone, int section);
  void CompressStack(int section);
  void ExpandStack(int section);
  void MarkTallStack(int stone, int section);
  void ShowOnBar(int stone);
  void ShowInTray(int stone, int tray);
  void HitStone(int section, int stone);
  void RemoveFromBar(int stone);
  void UseDie(int stone, int distance);
  void CheckWin();
  void HopStone(int stone, int section);

  // A person's move, after the drop was found legal (origin o, drop d, stone s).
  void PersonBearOff(int stone, int origin, int drop);
  void PersonEnter(int stone, int drop);
  void PersonNormalMove(int stone, int origin, int drop);

  // The end of a computer stone's travel (reads MovingStone and the ComputerMove record).
  void CompleteComputerArrival();
  void CompleteComputerBearOff();

 private:
  // Redraws levels 2 and up of the stack with the given spacing; the bottom stone stays.
  void RelayStack(int section, double spacing);
  void RestackOrigin(int origin);
  void HitIfBlot(int stone, int drop);

  GameContext& ctx_;
};

}  // namespace zelvik
