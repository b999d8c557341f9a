#include "game/Turns.h"

#include <algorithm>

#include "board/Feedback.h"
#include "computer/MovePlanner.h"
#include "game/NoMoveCheck.h"

namespace zelvik {
namespace {

constexpr int kLightRollFace = 10;
constexpr int kDarkRollFace = 20;
constexpr int kLightRollFrames = 65;
constexpr int kDarkRollFrames = 64;

int ClampDie(int value) { return std::clamp(value, 1, 6); }

}  // namespace

void Turns::RollDice(std::array<int, 2>& values, std::array<Control, 3>& dice, int face_base,
                     int frames) {
  ctx_.flags.DoublesRolled = false;
  ctx_.flags.LightHasNoMoves = false;
  ctx_.flags.DarkHasNoMoves = false;
  for (int frame = 0; frame < frames; ++frame) {
    ctx_.platform.ProcessPendingEvents();
    const bool last = frame == frames - 1;
    const DiceFrame rolled = ctx_.platform.Dice().NextFrame(last);
    const int d1 = ClampDie(rolled.die1);
    const int d2 = ClampDie(rolled.die2);
    dice[1].picture = face_base + d1;
    dice[2].picture = face_base + d2;
    if (last) values = {d1, d2};
  }
}

void Turns::RollLightDice() {
  RollDice(ctx_.flags.LightDice, ctx_.controls.LightDie, kLightRollFace, kLightRollFrames);
}

void Turns::RollDarkDice() {
  RollDice(ctx_.flags.DarkDice, ctx_.controls.DarkDie, kDarkRollFace, kDarkRollFrames);
}

void Turns::StoreDice(int mode) {
  StateStore& store = ctx_.store;
  Flags& f = ctx_.flags;
  auto store_roll = [&](int key, const std::array<int, 2>& values) {
    store.SetDie(key, values[0]);
    store.SetDie(key + 1, values[1]);
    if (values[0] == values[1]) {
      f.DoublesRolled = true;
      if (store.GetPlayNumber() > 0) ctx_.feedback->PlaySound(kSoundDoubles);
    }
  };
  switch (mode) {
    case 1:
      store_roll(1, f.LightDice);
      break;
    case 2:
      store_roll(3, f.DarkDice);
      break;
    case 3:
      for (int die = 1; die <= 4; ++die) store.SetDie(die, 0);
      f.DoublesRolled = false;
      break;
    case 4:
      store.SetDie(1, f.DarkDice[1]);
      store.SetDie(3, 0);
      store.SetDie(4, 0);
      f.DoublesRolled = false;
      f.LightTurnRunning = true;
      f.DarkTurnRunning = false;
      break;
    case 5:
      store.SetDie(3, f.LightDice[1]);
      store.SetDie(1, 0);
      store.SetDie(2, 0);
      f.DoublesRolled = false;
      f.DarkTurnRunning = true;
      f.LightTurnRunning = false;
      break;
    default:
      break;
  }
}

int Turns::OpeningRollResult(int side) const {
  const int light = ctx_.store.GetDie(2);
  const int dark = ctx_.store.GetDie(4);
  const int other = side == kLight ? dark : light;
  if (other <= 0) return 0;
  if (light > dark) return 1;
  if (dark > light) return 2;
  return 3;
}

void Turns::ShowDice() {
  const int side = ctx_.Side();
  StateStore& store = ctx_.store;
  Controls& c = ctx_.controls;
  if (side == kLight || side == kDark) {
    const bool light = side == kLight;
    auto& own = light ? c.LightDie : c.DarkDie;
    auto& other = light ? c.DarkDie : c.LightDie;
    const int first_key = light ? 1 : 3;
    const int face_base = light ? kLightRollFace : kDarkRollFace;
    for (int k = 1; k <= 2; ++k) {
      const int value = store.GetDie(first_key + k - 1);
      if (value >= 1 && value <= 6) {
        own[k].picture = face_base + value;
        own[k].visible = true;
      } else {
        own[k].visible = false;
      }
    }
    if (store.GetDie(first_key) == 0 && store.GetDie(first_key + 1) == 0) {
      own[2].picture = face_base;
      own[2].visible = true;
    }
    other[1].visible = false;
    other[2].visible = false;
    if (store.GetMoveCount() == 3) own[1].visible = false;
  }
  const int d1 = store.GetDie(1);
  const int d3 = store.GetDie(3);
  if ((d1 > 0 && d1 == store.GetDie(2)) || (d3 > 0 && d3 == store.GetDie(4))) {
    ctx_.flags.DoublesRolled = true;
  }
  ctx_.SetBusy(false);
}

bool Turns::DiceRemain() const {
  const int side = ctx_.Side();
  if (side == kLight) return ctx_.store.GetDie(1) != 0 || ctx_.store.GetDie(2) != 0;
  if (side == kDark) return ctx_.store.GetDie(3) != 0 || ctx_.store.GetDie(4) != 0;
  return false;
}

void Turns::ShowRollFaces() {
  ctx_.controls.LightDie[2].picture = kLightRollFace;
  ctx_.controls.DarkDie[2].picture = kDarkRollFace;
}

void Turns::RollAndStore(int side) {
  ctx_.feedback->PlaySound(kSoundDiceRoll);
  if (side == kLight) {
    RollLightDice();
    StoreDice(1);
  } else {
    RollDarkDice();
    StoreDice(2);
  }
}

int Turns::RollOpeningDie(int side) {
  RollAndStore(side);
  return OpeningRollResult(side);
}

void Turns::AnnounceOpeningWinner(int winner) {
  ctx_.feedback->ShowTimedMessage(winner == kLight ? kLightsMove : kDarksMove);
  ctx_.store.SetCurrentPlayer(winner);
  StoreDice(winner == kLight ? 4 : 5);
  ShowDice();
}

void Turns::AnnounceOpeningTie() {
  StoreDice(3);
  ctx_.feedback->ShowTimedMessage(kTieRollAgain);
  ShowRollFaces();
}

void Turns::RollForTurn(int side) {
  (side == kLight ? ctx_.controls.LightDie : ctx_.controls.DarkDie)[1].visible = true;
  RollAndStore(side);
}

void Turns::OnLightDieClick() {
  Flags& f = ctx_.flags;
  if (DiceRemain() || f.GameOver || f.LightIsComputer) return;
  const int side = ctx_.Side();
  if (side == 0) {
    const int result = RollOpeningDie(kLight);
    if (result == 1 || result == 2) AnnounceOpeningWinner(result);
    if (result == 3) AnnounceOpeningTie();
  } else if (side == kLight) {
    RollForTurn(kLight);
    ctx_.no_moves->CheckNoMoves();
  }
}

void Turns::OnDarkDieClick() {
  Flags& f = ctx_.flags;
  if (DiceRemain() || f.GameOver || f.DarkIsComputer) return;
  const int side = ctx_.Side();
  if (side == 0) {
    switch (RollOpeningDie(kDark)) {
      case 1:
        AnnounceOpeningWinner(kLight);
        if (f.LightIsComputer) ctx_.planner->PlanPairMove();
        break;
      case 2:
        AnnounceOpeningWinner(kDark);
        break;
      case 3:
        AnnounceOpeningTie();
        if (f.LightIsComputer) ctx_.timers.LightDelay->SetEnabled(true);
        break;
      default:
        break;
    }
  } else if (side == kDark) {
    RollForTurn(kDark);
    ctx_.no_moves->CheckNoMoves();
  }
}

void Turns::LightComputerRoll() {
  Flags& f = ctx_.flags;
  if (f.GameOver || f.DarkTurnRunning || f.LightHasNoMoves) return;
  const int side = ctx_.Side();
  // In Dark's turn there is nothing to roll, and Light's turn flag would block Dark for good.
  if (side == kDark) return;
  f.LightTurnRunning = true;
  if (side == 0) {
    switch (RollOpeningDie(kLight)) {
      case 1:
        AnnounceOpeningWinner(kLight);
        f.LightTurnRunning = true;
        ctx_.timers.LightAuto->SetEnabled(true);
        break;
      case 2:
        AnnounceOpeningWinner(kDark);
        // When the computer plays Dark too, nothing else would start Dark's first move.
        if (f.DarkIsComputer) ctx_.timers.DarkAuto->SetEnabled(true);
        break;
      case 3:
        AnnounceOpeningTie();
        f.LightTurnRunning = false;  // undecided: no turn is under way
        if (f.LightIsComputer) ctx_.timers.LightDelay->SetEnabled(true);
        break;
      default:
        // Dark's opening die is still to come, and no turn is under way: a turn flag left set
        // here would stop Dark's computer roll for good. When the computer plays Dark, its
        // roll throws both opening dice.
        f.LightTurnRunning = false;
        if (f.DarkIsComputer) ctx_.timers.DarkDelay->SetEnabled(true);
        break;
    }
  } else if (side == kLight && !f.LightHasNoMoves && !f.DarkTurnRunning) {
    if (!f.DoublesRolled && !DiceRemain()) RollForTurn(kLight);
    ctx_.no_moves->CheckNoMoves();
    if (!f.LightHasNoMoves) ctx_.timers.LightAuto->SetEnabled(true);
  }
}

void Turns::DarkComputerRoll() {
  Flags& f = ctx_.flags;
  if (f.GameOver || f.LightTurnRunning || f.DarkHasNoMoves) return;
  const int side = ctx_.Side();
  // In Light's turn there is nothing to roll, and Dark's turn flag would block Light for good.
  if (side == kLight) return;
  f.DarkTurnRunning = true;
  if (side == 0) {
    // The computer throws both opening dice, Dark's first.
    ctx_.feedback->PlaySound(kSoundDiceRoll);
    RollDarkDice();
    StoreDice(2);
    RollLightDice();
    StoreDice(1);
    switch (OpeningRollResult(kDark)) {
      case 1:
        AnnounceOpeningWinner(kLight);
        f.LightTurnRunning = true;
        ctx_.timers.LightAuto->SetEnabled(true);
        break;
      case 2:
        AnnounceOpeningWinner(kDark);
        f.DarkTurnRunning = true;
        ctx_.timers.DarkAuto->SetEnabled(true);
        break;
      case 3:
        AnnounceOpeningTie();
        f.DarkTurnRunning = false;  // undecided: no turn is under way
        ctx_.timers.DarkDelay->SetEnabled(true);
        break;
      default:
        break;
    }
  } else if (side == kDark && !f.DarkHasNoMoves && !f.LightTurnRunning) {
    if (!f.DoublesRolled && !DiceRemain()) RollForTurn(kDark);
    ctx_.no_moves->CheckNoMoves();
    if (!f.DarkHasNoMoves) ctx_.timers.DarkAuto->SetEnabled(true);
  }
}

void Turns::ContinueComputerTurn() {
  const Flags& f = ctx_.flags;
  const int side = ctx_.Side();
  if (side == kLight) {
    if (f.LightIsComputer && !f.LightHasNoMoves && !f.PairPending && !f.DarkTurnRunning) {
      ctx_.timers.LightAuto->SetEnabled(true);
    }
  } else if (side == kDark) {
    if (f.DarkIsComputer && !f.DarkHasNoMoves && !f.PairPending && !f.LightTurnRunning) {
      ctx_.timers.DarkAuto->SetEnabled(true);
    }
  }
}

void Turns::AfterMove() {
  StateStore& store = ctx_.store;
  Flags& f = ctx_.flags;
  Controls& c = ctx_.controls;
  const int moves = store.GetMoveCount() + 1;
  store.SetMoveCount(moves);
  ctx_.SetBusy(false);
  if (f.GameOver) return;

  auto turn_cut_short = [&] {
    ctx_.no_moves->CheckNoMoves();
    return f.LightHasNoMoves || f.DarkHasNoMoves;
  };

  if (moves == 1) {
    if (turn_cut_short()) return;
    ContinueComputerTurn();
    return;
  }
  if (moves == 2 && f.DoublesRolled) {
    if (turn_cut_short()) return;
    const int side = ctx_.Side();
    if (side == kLight) c.LightDie[1].visible = false;
    if (side == kDark) c.DarkDie[1].visible = false;
    ContinueComputerTurn();
    return;
  }
  if (moves == 3) {
    if (turn_cut_short()) return;
    const int side = ctx_.Side();
    if (side == kLight) {
      c.LightDie[1].visible = false;
      store.SetDie(1, 0);
    } else if (side == kDark) {
      c.DarkDie[1].visible = false;
      store.SetDie(3, 0);
    }
    ContinueComputerTurn();
    return;
  }
  if ((moves == 2 && !f.DoublesRolled) || (moves == 4 && f.DoublesRolled)) {
    for (int die = 1; die <= 4; ++die) store.SetDie(die, 0);
    f.PairPending = false;
    f.DoublesRolled = false;
    const int side = ctx_.Side();
    if (side == kLight) {
      f.LightTurnRunning = false;
      store.SetCurrentPlayer(kDark);
      c.LightDie[1].visible = false;
      c.LightDie[2].visible = false;
      c.DarkDie[2].picture = kDarkRollFace;
      c.DarkDie[2].visible = true;
      f.DarkHasNoMoves = false;
      if (f.DarkIsComputer) ctx_.timers.DarkDelay->SetEnabled(true);
    } else if (side == kDark) {
      f.DarkTurnRunning = false;
      store.SetCurrentPlayer(kLight);
      c.DarkDie[1].visible = false;
      c.DarkDie[2].visible = false;
      c.LightDie[2].picture = kLightRollFace;
      c.LightDie[2].visible = true;
      f.LightHasNoMoves = false;
      if (f.LightIsComputer) ctx_.timers.LightDelay->SetEnabled(true);
    }
  }
}

}  // namespace zelvik
