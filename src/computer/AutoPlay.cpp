#include "computer/AutoPlay.h"

#include "board/Feedback.h"
#include "computer/MovePlanner.h"
#include "game/Turns.h"
#include "rules/MoveMaker.h"

namespace zelvik {
namespace {

bool IsSideStone(int side, int stone) {
  if (stone < 1 || stone > kStones) return false;
  return side == kLight ? IsLightStone(stone) : side == kDark && IsDarkStone(stone);
}

}  // namespace

void AutoPlay::OnLightDelay() {
  ctx_.timers.LightDelay->SetEnabled(false);
  ctx_.turns->LightComputerRoll();
}

void AutoPlay::OnDarkDelay() {
  ctx_.timers.DarkDelay->SetEnabled(false);
  ctx_.turns->DarkComputerRoll();
}

void AutoPlay::OnLightAuto() {
  ctx_.timers.LightAuto->SetEnabled(false);
  Flags& f = ctx_.flags;
  if (!f.LightIsComputer) return;
  // The computer moves only the side it plays, and only in that side's turn.
  if (f.LightHasNoMoves || f.DarkTurnRunning || ctx_.Side() != kLight) return;
  ctx_.SetBusy(true);
  f.LightTurnRunning = true;
  ctx_.planner->PlayComputerMove();
}

void AutoPlay::OnDarkAuto() {
  ctx_.timers.DarkAuto->SetEnabled(false);
  Flags& f = ctx_.flags;
  if (!f.DarkIsComputer) return;
  if (f.DarkHasNoMoves || f.LightTurnRunning || ctx_.Side() != kDark) return;
  ctx_.SetBusy(true);
  f.DarkTurnRunning = true;
  ctx_.planner->PlayComputerMove();
}

void AutoPlay::OnPairMover() {
  ctx_.timers.PairMover->SetEnabled(false);
  if (!ctx_.computer_move.first_half_done) return;  // no pair under way
  if (BoardChanged(pair_board_)) {
    // Someone else has moved since the first half arrived: the second half no longer fits.
    const int side = ctx_.Side();
    DropPendingHalf();
    ResumeTurn(side);
    return;
  }
  StartPairMove(ctx_.SecondStone, ctx_.SecondDie);
}

void AutoPlay::OnMover() {
  ctx_.timers.Mover->SetEnabled(false);
  if (!ctx_.computer_move.animating) return;  // the move was dropped
  StepComputerMove(ctx_.MovingStone, ctx_.PipsLeft);
}

void AutoPlay::StartPairMove(int& stone, int& die) {
  ComputerMove& move = ctx_.computer_move;
  const int started = moves_started_;
  ctx_.flags.PairPending = true;
  if (!move.first_half_done) {
    move.first_half_done = true;
    StepComputerMove(stone, die);
    if (moves_started_ == started) {
      // The first half could not start: no pair is under way.
      move.first_half_done = false;
      ctx_.flags.PairPending = false;
    }
    return;
  }
  stone = ctx_.SecondStone;
  die = ctx_.SecondDie;
  ctx_.flags.PairPending = false;
  const int side = ctx_.Side();
  StepComputerMove(stone, die);
  move.first_half_done = false;
  if (moves_started_ == started) ResumeTurn(side);
}

void AutoPlay::StepComputerMove(int& stone, int& die) {
  ComputerMove& move = ctx_.computer_move;
  ctx_.SetBusy(true);
  const int cancels = cancels_;
  const bool starting = !move.animating;
  starting_ = starting;
  ctx_.platform.ProcessPendingEvents();
  starting_ = false;
  if (cancels_ != cancels) return;  // a new game or a restore has dropped the move meanwhile

  if (starting) {
    if (move.animating || !BeginMove(stone, die)) {
      ctx_.SetBusy(false);
      return;
    }
  } else if (BoardChanged(travel_board_)) {
    DropMove();
    return;
  }

  ++move.steps_taken;
  --ctx_.PipsLeft;
  const int side = ctx_.Side();
  const BoardModel& model = ctx_.model;
  // The state file still shows the stone where it started, so this is its starting point.
  const int p = model.SectionToPoint(ctx_.store.FindStoneSection(ctx_.MovingStone));
  if (p + move.steps_taken < 25) {
    ctx_.mover->HopStone(ctx_.MovingStone, model.PointToSection(p + move.steps_taken));
    ctx_.feedback->PlaySound(kSoundClick);
    ctx_.timers.Mover->SetEnabled(true);
    if (ctx_.PipsLeft < 0) {
      // A move given with no points to travel: plan again, from no pair.
      ctx_.timers.Mover->SetEnabled(false);
      move.animating = false;
      DropPendingHalf();
      ctx_.planner->PlayComputerMove();
    } else if (ctx_.PipsLeft == 0) {
      ctx_.SetBusy(false);
      ctx_.timers.Mover->SetEnabled(false);
      move.animating = false;
      ctx_.mover->CompleteComputerArrival();
      AfterCompletion(side);
    }
    return;
  }
  // The stone reaches the tray: no step is drawn for it.
  ctx_.timers.Mover->SetEnabled(false);
  move.animating = false;
  ctx_.mover->CompleteComputerBearOff();
  AfterCompletion(side);
}

bool AutoPlay::BeginMove(int stone, int die) {
  const int side = ctx_.Side();
  if (ctx_.flags.GameOver || !IsSideStone(side, stone)) return false;
  const StateStore& store = ctx_.store;
  const int from = store.FindStoneSection(stone);
  if (from >= 1 && from <= 24) {
    // Only the top stone of a stack ever moves. A stone that another one now covers (the first
    // half of a pair landed on its stack) is played by the stone on top: the same move, and
    // no stone is taken out of the middle of a stack.
    const int top = store.GetTopStone(from);
    if (!IsSideStone(side, top)) return false;
    stone = top;
  } else if (from != 0 || !store.IsOnBar(stone)) {
    return false;  // borne off already, or nowhere at all
  }

  ComputerMove& move = ctx_.computer_move;
  move.animating = true;
  ctx_.MovingStone = stone;
  ctx_.PipsLeft = die;
  move.die = die;
  move.from = from;
  move.to = ctx_.model.PointToSection(ctx_.model.SectionToPoint(from) + die);
  move.steps_taken = 0;

  const Control& picture = ctx_.controls.Stone[stone];
  rest_left_ = picture.left;
  rest_top_ = picture.top;
  rest_section_ = from;
  rest_level_ = from == 0 ? 0 : store.GetStackLevel(stone);
  travel_board_ = store.file().Serialize();
  ++moves_started_;
  return true;
}

void AutoPlay::AfterCompletion(int side) {
  const Flags& f = ctx_.flags;
  if (!f.PairPending) return;
  const bool no_moves = side == kLight ? f.LightHasNoMoves : f.DarkHasNoMoves;
  if (f.GameOver || no_moves || ctx_.Side() != side) {
    // The turn ended with the first half (the side was found without a move for the second):
    // the second half must not be played in the other side's turn.
    DropPendingHalf();
    return;
  }
  pair_board_ = ctx_.store.file().Serialize();
}

bool AutoPlay::BoardChanged(const std::string& planned) const {
  return ctx_.store.file().Serialize() != planned;
}

void AutoPlay::DropMove() {
  const int side = ctx_.Side();
  ctx_.timers.Mover->SetEnabled(false);
  ctx_.computer_move.animating = false;
  RestorePicture();
  DropPendingHalf();
  ctx_.SetBusy(false);
  ResumeTurn(side);
}

void AutoPlay::DropPendingHalf() {
  ctx_.timers.PairMover->SetEnabled(false);
  ctx_.flags.PairPending = false;
  ctx_.computer_move.first_half_done = false;
}

void AutoPlay::RestorePicture() {
  const int stone = ctx_.MovingStone;
  if (stone < 1 || stone > kStones) return;
  const StateStore& store = ctx_.store;
  const bool in_place = rest_section_ == 0 ? store.IsOnBar(stone)
                                           : store.FindStoneSection(stone) == rest_section_ &&
                                                 store.GetStackLevel(stone) == rest_level_;
  if (!in_place) return;  // whoever moved the stone has placed its picture
  Control& picture = ctx_.controls.Stone[stone];
  picture.left = rest_left_;
  picture.top = rest_top_;
}

void AutoPlay::ResumeTurn(int side) {
  const Flags& f = ctx_.flags;
  if (f.GameOver || ctx_.Side() != side || f.PairPending || ctx_.computer_move.animating ||
      !ctx_.turns->DiceRemain()) {
    return;
  }
  if (side == kLight && f.LightIsComputer && !f.LightHasNoMoves) {
    ctx_.timers.LightAuto->SetEnabled(true);
  } else if (side == kDark && f.DarkIsComputer && !f.DarkHasNoMoves) {
    ctx_.timers.DarkAuto->SetEnabled(true);
  }
}

void AutoPlay::CancelMove() {
  ++cancels_;
  ctx_.timers.Mover->SetEnabled(false);
  // The callers have not changed the board yet, so the picture's resting place still fits.
  if (ctx_.computer_move.animating) RestorePicture();
  ctx_.computer_move.animating = false;
  DropPendingHalf();
}

}  // namespace zelvik
