// The game's clock: the opening roll, every turn's roll, the dice in the state file and on the
// board, the counting of single-die moves and the hand-over of the turn.
#pragma once

#include "game/GameContext.h"

namespace zelvik {

class Turns {
 public:
  explicit Turns(GameContext& ctx) : ctx_(ctx) {}

  void RollLightDice();
  void RollDarkDice();
  // Mode 1 Light rolled, 2 Dark rolled, 3 opening tie, 4 Light won the opening, 5 Dark won it.
  void StoreDice(int mode);
  // 0 not decided yet, 1 Light starts, 2 Dark starts, 3 tie.
  int OpeningRollResult(int side) const;
  void ShowDice();
  bool DiceRemain() const;

  void OnLightDieClick();
  void OnDarkDieClick();
  void LightComputerRoll();
  void DarkComputerRoll();

  void AfterMove();

  // Both sides' roll faces again after an opening tie.
  void ShowRollFaces();

 private:
  void RollDice(std::array<int, 2>& values, std::array<Control, 3>& dice, int face_base,
                int frames);
  // The roll sound, the side's roll and its dice stored.
  void RollAndStore(int side);
  // The side's opening die rolled and stored; then the opening's result.
  int RollOpeningDie(int side);
  void AnnounceOpeningWinner(int winner);
  void AnnounceOpeningTie();
  // A turn's roll: die 1 shown, then rolled and stored.
  void RollForTurn(int side);
  void ContinueComputerTurn();

  GameContext& ctx_;
};

}  // namespace zelvik
