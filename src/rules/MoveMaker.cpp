#include "rules/MoveMaker.h"

#include "board/BoardLayout.h"
#include "board/Feedback.h"
#include "game/Turns.h"
#include "rules/MoveRules.h"

namespace zelvik {
namespace {

bool ValidStone(int stone) { return stone >= 1 && stone <= kStones; }

// Distance between the levels of a stack, in columns: stacks of six or more are narrowed.
constexpr double kNormalSpacing = 0.68;
constexpr double kNarrowSpacing = 0.3;

}  // namespace

void MoveMaker::PlaceStone(int stone, int section) {
  const int side = ctx_.Side();
  if ((side == kLight && !ctx_.flags.LightIsComputer) ||
      (side == kDark && !ctx_.flags.DarkIsComputer)) {
    ctx_.feedback->PlaySound(kSoundClick);
  }
  if (section == kLightTray || section == kDarkTray) {
    ctx_.model.PushStone(stone, section);
    ShowInTray(stone, section);
    return;
  }
  if (section < 1 || section > 24 || !ValidStone(stone)) {
    ctx_.model.PushStone(stone, section);
    return;
  }
  const BoardLayout& layout = *ctx_.layout;
  const int height = ctx_.store.GetStackHeight(section);
  if (height == 5) CompressStack(section);
  const double w = layout.ColumnWidth();
  double offset = height * w * (height >= 5 ? kNarrowSpacing : kNormalSpacing);
  if (section > 12) offset = -offset;
  Control& picture = ctx_.controls.Stone[stone];
  picture.left = layout.SectionLeft(section);
  picture.top = layout.SectionBaseTop(section) + offset;
  ctx_.model.PushStone(stone, section);
  MarkTallStack(stone, section);
}

void MoveMaker::CompressStack(int section) { RelayStack(section, kNarrowSpacing); }

void MoveMaker::ExpandStack(int section) { RelayStack(section, kNormalSpacing); }

void MoveMaker::RelayStack(int section, double spacing) {
  const BoardLayout& layout = *ctx_.layout;
  const double w = layout.ColumnWidth();
  const int height = ctx_.store.GetStackHeight(section);
  for (int level = 2; level <= height && level <= kMaxLevel; ++level) {
    const int stone = ctx_.store.GetStoneAt(section, level);
    if (!ValidStone(stone)) continue;
    double offset = (level - 1) * w * spacing;
    if (section > 12) offset = -offset;
    ctx_.controls.Stone[stone].top = layout.SectionBaseTop(section) + offset;
  }
}

void MoveMaker::MarkTallStack(int stone, int section) {
  if (!ValidStone(stone)) return;
  const double h = ctx_.layout->H();
  double up = 0.3 * h / 15;
  double down = 0.025 * h;
  if (section > 12) {
    up = -up;
    down = -down;
  }
  Control& picture = ctx_.controls.Stone[stone];
  const double left = picture.left;
  const double top = picture.top;
  const int height = ctx_.store.GetStackHeight(section);
  if (height > 5) {
    picture.left = left;
    picture.top = top + down;
  }
  if (height > 6) {
    const int below = ctx_.store.GetStoneBelowTop(section);
    if (ValidStone(below)) {
      ctx_.controls.Stone[below].left = left;
      ctx_.controls.Stone[below].top = top - up;
    }
  }
}

void MoveMaker::ShowOnBar(int stone) {
  if (!ValidStone(stone)) return;
  const BoardLayout& layout = *ctx_.layout;
  Control& picture = ctx_.controls.Stone[stone];
  picture.left = 0.42 * layout.W();
  picture.top = 0.2 * layout.H() + ctx_.store.FirstFreeBarSlot() * layout.W() / 20;
}

void MoveMaker::ShowInTray(int stone, int tray) {
  const BoardLayout& layout = *ctx_.layout;
  const int count = ctx_.store.GetStackHeightOrNone(tray);
  if (ValidStone(stone)) {
    Control& picture = ctx_.controls.Stone[stone];
    picture.left = 0.887 * layout.W();
    picture.top = tray == kLightTray ? 0.045 * layout.H() + 0.022 * layout.H() * count
                                     : 0.798 * layout.H() - 0.022 * layout.H() * count;
  }
  ctx_.feedback->PlaySound(kSoundClick);
}

void MoveMaker::HitStone(int section, int stone) {
  const int slot = ctx_.store.FirstFreeBarSlot();
  ctx_.store.Write(kBarSection, StateStore::Key(slot), stone);
  ShowOnBar(ctx_.store.GetBottomStone(section));
  ctx_.model.PopStone(ctx_.store.GetBottomStone(section), section);
  const int mover = ctx_.store.GetStoneAt(section, 2);
  ctx_.model.PopStone(mover, section);
  PlaceStone(mover, section);
}

void MoveMaker::RemoveFromBar(int stone) {
  for (int slot = 1; slot <= kBarSlots; ++slot) {
    if (ctx_.store.GetBarSlot(slot) == stone) {
      ctx_.store.WriteEmpty(kBarSection, StateStore::Key(slot));
      return;
    }
  }
}

void MoveMaker::UseDie(int stone, int distance) {
  if (ctx_.flags.DoublesRolled) return;
  const int key_a = stone < 16 ? 1 : 3;
  const int key_b = key_a + 1;
  const int a = ctx_.store.GetDie(key_a);
  const int b = ctx_.store.GetDie(key_b);
  if (!ctx_.rules->CanBearOff()) {
    if (distance == a) {
      ctx_.store.SetDie(key_a, 0);
    } else if (distance == b) {
      ctx_.store.SetDie(key_b, 0);
    }
    return;
  }
  if (distance != a && distance != b) {
    // Borne off with a larger die: the larger one is spent.
    if (a > b) {
      ctx_.store.SetDie(key_a, 0);
    } else if (b > a) {
      ctx_.store.SetDie(key_b, 0);
    }
  } else if (distance == a) {
    ctx_.store.SetDie(key_a, 0);
  } else {
    ctx_.store.SetDie(key_b, 0);
  }
}

void MoveMaker::CheckWin() {
  if (ctx_.rules->HasStoneOnBar()) return;
  const int side = ctx_.Side();
  if (side != kLight && side != kDark) return;
  for (int section = 1; section <= 24; ++section) {
    const int bottom = ctx_.store.GetBottomStone(section);
    if (side == kLight ? IsLightStone(bottom) : IsDarkStone(bottom)) return;
  }
  if (side == kDark) ctx_.feedback->PlaySound(kSoundTune);
  ctx_.feedback->ShowTimedMessage(side == kLight ? kLightWins : kDarkWins);
  ctx_.flags.GameOver = true;
  ctx_.flags.LightTurnRunning = false;
  ctx_.flags.DarkTurnRunning = false;
  ctx_.SetBusy(false);
}

void MoveMaker::HopStone(int stone, int section) {
  if (!ValidStone(stone) || section < 1 || section > 24) return;
  const BoardLayout& layout = *ctx_.layout;
  const double lift = 3.5 * layout.ColumnWidth();
  Control& picture = ctx_.controls.Stone[stone];
  picture.left = layout.SectionLeft(section);
  picture.top = layout.SectionBaseTop(section) + (section > 12 ? -lift : lift);
}

void MoveMaker::RestackOrigin(int origin) {
  const int height = ctx_.store.GetStackHeight(origin);
  if (height == 5) ExpandStack(origin);
  if (height > 5) MarkTallStack(ctx_.store.GetTopStone(origin), origin);
}

void MoveMaker::HitIfBlot(int stone, int drop) {
  if (ctx_.store.GetStackHeight(drop) != 2) return;
  const int bottom = ctx_.store.GetBottomStone(drop);
  if (!ValidStone(bottom)) return;
  if (ctx_.controls.Stone[bottom].color != ctx_.controls.Stone[stone].color) {
    HitStone(drop, bottom);
  }
}

void MoveMaker::PersonBearOff(int stone, int origin, int drop) {
  const int distance = ctx_.model.SectionToPoint(drop) - ctx_.model.SectionToPoint(origin);
  ctx_.model.PopStone(stone, origin);
  PlaceStone(stone, drop);
  CheckWin();
  UseDie(stone, distance);
  ctx_.turns->ShowDice();
  ctx_.turns->AfterMove();
  RestackOrigin(origin);
}

void MoveMaker::PersonEnter(int stone, int drop) {
  const int distance = ctx_.model.SectionToPoint(drop) - ctx_.model.SectionToPoint(0);
  RemoveFromBar(stone);
  PlaceStone(stone, drop);
  HitIfBlot(stone, drop);
  UseDie(stone, distance);
  ctx_.turns->ShowDice();
  ctx_.turns->AfterMove();
  ctx_.turns->ShowDice();
}

void MoveMaker::PersonNormalMove(int stone, int origin, int drop) {
  const int distance = ctx_.model.SectionToPoint(drop) - ctx_.model.SectionToPoint(origin);
  ctx_.model.PopStone(stone, origin);
  PlaceStone(stone, drop);
  UseDie(stone, distance);
  ctx_.turns->ShowDice();
  RestackOrigin(origin);
  HitIfBlot(stone, drop);
  ctx_.turns->AfterMove();
}

void MoveMaker::CompleteComputerArrival() {
  const int stone = ctx_.MovingStone;
  const ComputerMove& move = ctx_.computer_move;
  const int from = move.from;
  const int to = move.to;
  if (ctx_.store.IsOnBar(stone)) {
    RemoveFromBar(stone);
  } else {
    ctx_.model.PopStone(stone, from);
  }
  PlaceStone(stone, to);
  UseDie(stone, move.die);
  ctx_.turns->ShowDice();
  if (ctx_.store.GetStackHeight(to) > 5) {
    CompressStack(to);
    MarkTallStack(stone, to);
  }
  RestackOrigin(from);
  if (ctx_.store.GetStackHeight(to) == 2) {
    const int bottom = ctx_.store.GetBottomStone(to);
    const bool opposing = ctx_.Side() == kLight ? IsDarkStone(bottom) : IsLightStone(bottom);
    if (opposing) HitStone(to, bottom);
  }
  ctx_.turns->AfterMove();
  if (ctx_.flags.PairPending) ctx_.timers.PairMover->SetEnabled(true);
}

void MoveMaker::CompleteComputerBearOff() {
  const int stone = ctx_.MovingStone;
  const int from = ctx_.computer_move.from;
  const int tray = ctx_.Side() == kLight ? kLightTray : kDarkTray;
  ctx_.model.PopStone(stone, from);
  PlaceStone(stone, tray);
  ShowInTray(stone, tray);
  CheckWin();
  UseDie(stone, ctx_.computer_move.die);
  ctx_.turns->ShowDice();
  ctx_.turns->AfterMove();
  if (ctx_.store.GetStackHeight(from) == 5) ExpandStack(from);
  if (ctx_.flags.PairPending) ctx_.timers.PairMover->SetEnabled(true);
}

}  // namespace zelvik
