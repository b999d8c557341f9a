#include "computer/MovePlanner.h"

#include <utility>

#include "computer/AutoPlay.h"
#include "computer/MoveScoring.h"
#include "game/NoMoveCheck.h"
#include "game/Turns.h"
#include "rules/MoveRules.h"

namespace zelvik {
namespace {

constexpr int kLowestChosenScore = -200;  // an entry must score above this to be chosen

}  // namespace

int MovePlanner::FirstDieKey() const { return ctx_.Side() == kDark ? 3 : 1; }

bool MovePlanner::Owns(int section) const {
  const int bottom = ctx_.store.GetBottomStone(section);
  const int side = ctx_.Side();
  return side == kLight ? IsLightStone(bottom) : side == kDark && IsDarkStone(bottom);
}

bool MovePlanner::IsOpen(int section) const {
  const int side = ctx_.Side();
  const int bottom = ctx_.store.GetBottomStone(section);
  const bool low = ctx_.store.GetStackHeight(section) < 2;
  if (side == kLight) return bottom < 16 || low;
  if (side == kDark) return bottom > 15 || low;
  return false;
}

bool MovePlanner::SideHasNoMoves() const {
  const int side = ctx_.Side();
  return side == kLight ? ctx_.flags.LightHasNoMoves : side == kDark && ctx_.flags.DarkHasNoMoves;
}

void MovePlanner::ClearCandidates() {
  ctx_.PairCandidates.fill(PairCandidate{});
  ctx_.SingleCandidates.fill(SingleCandidate{});
}

bool MovePlanner::AddPair(const PairCandidate& candidate, int* count) {
  if (*count >= kPairCandidateCount) return false;
  PairCandidate& entry = ctx_.PairCandidates[++*count];
  const int score = entry.score;  // listing writes every field but the score
  entry = candidate;
  entry.score = score;
  return true;
}

void MovePlanner::AddSingle(const SingleCandidate& candidate, int* count) {
  // A side has 15 stones, so at most 15 sections times two dice can be listed.
  if (*count >= kSingleCandidateCount) return;
  SingleCandidate& entry = ctx_.SingleCandidates[++*count];
  const int score = entry.score;
  entry = candidate;
  entry.score = score;
}

void MovePlanner::PlayComputerMove() {
  const int side = ctx_.Side();
  if (side != kLight && side != kDark) return;
  // A stone still on its way, or a pair's second half still to come, is the move in progress:
  // its arrival schedules the next one. Planning now would start a second move over it.
  if (ctx_.auto_play->MoveUnderWay() || ctx_.flags.PairPending) return;

  const MoveRules& rules = *ctx_.rules;
  const bool bear_off = rules.CanBearOff();
  const bool on_bar = rules.HasStoneOnBar();
  if (!bear_off && !on_bar) {
    PlanPairMove();
  } else if (bear_off) {
    PlanBearOff();
  } else {
    PlanEntry();
  }
}

bool MovePlanner::ListPairCandidates() {
  const StateStore& store = ctx_.store;
  const BoardModel& model = ctx_.model;
  const int d1 = store.GetDie(FirstDieKey());
  const int d2 = store.GetDie(FirstDieKey() + 1);
  if (d1 <= 0 || d2 <= 0) return true;

  int count = 0;
  // Every test reads the position before either move; no candidate bears off.
  auto open_at = [&](int point) { return point < 25 && IsOpen(model.PointToSection(point)); };
  const std::pair<int, int> orders[] = {{d1, d2}, {d2, d1}};
  for (int s = 1; s <= 24; ++s) {
    if (!Owns(s)) continue;
    const int p = model.SectionToPoint(s);
    const int top = store.GetTopStone(s);

    // a, b: one stone plays both dice, the first die then the second.
    for (const auto& [first, second] : orders) {
      if (!open_at(p + first) || !open_at(p + first + second)) continue;
      const int middle = model.PointToSection(p + first);
      if (!AddPair({.die1 = first,
                    .die2 = second,
                    .stone1 = top,
                    .stone2 = top,
                    .from1 = s,
                    .from2 = middle,
                    .to1 = middle,
                    .to2 = model.PointToSection(p + first + second)},
                   &count)) {
        return false;
      }
    }

    // c, d: the first die from s, the second from another stone, taken in section order.
    for (const auto& [first, second] : orders) {
      if (!open_at(p + first)) continue;
      const int to1 = model.PointToSection(p + first);
      for (int q = 1; q <= 24; ++q) {
        PairCandidate candidate{
            .die1 = first, .die2 = second, .stone1 = top, .from1 = s, .to1 = to1};
        if (q != s) {
          const int q_point = model.SectionToPoint(q);
          if (!Owns(q) || !open_at(q_point + second)) continue;
          candidate.stone2 = store.GetTopStone(q);
          candidate.from2 = q;
          candidate.to2 = model.PointToSection(q_point + second);
        } else {
          if (store.GetStackHeight(s) <= 1 || !open_at(p + second)) continue;
          candidate.stone2 = store.GetStoneBelowTop(s);
          candidate.from2 = s;
          candidate.to2 = model.PointToSection(p + second);
        }
        if (!AddPair(candidate, &count)) return false;
      }
    }
  }
  return true;
}

void MovePlanner::PlanPairMove() {
  if (SideHasNoMoves()) return;
  const int started = ctx_.auto_play->moves_started();
  const int cancels = ctx_.auto_play->cancels();
  if (ListPairCandidates()) {
    ctx_.scoring->ScorePairMoves();
    const int entry = BestPairCandidate();
    if (entry != 0) {
      const PairCandidate chosen = ctx_.PairCandidates[entry];
      ctx_.MovingStone = chosen.stone1;
      ctx_.PipsLeft = chosen.die1;
      ctx_.SecondStone = chosen.stone2;
      ctx_.SecondDie = chosen.die2;
      ctx_.auto_play->StartPairMove(ctx_.MovingStone, ctx_.PipsLeft);
      // Started, or the board was replaced meanwhile (a new game, a step back): either way
      // there is nothing left to plan on this board.
      if (ctx_.auto_play->moves_started() != started || ctx_.auto_play->cancels() != cancels) {
        ClearCandidates();
        return;
      }
    }
  }
  // Too many candidates, none worth playing, or the pair would not start: one die at a time.
  ctx_.flags.PairPending = false;
  ClearCandidates();
  PlanSingleMove();
}

void MovePlanner::ListSingleCandidates() {
  const StateStore& store = ctx_.store;
  const BoardModel& model = ctx_.model;
  int count = 0;
  for (int s = 1; s <= 24; ++s) {
    for (int key = FirstDieKey(); key <= FirstDieKey() + 1; ++key) {
      const int d = store.GetDie(key);
      if (d <= 0 || !Owns(s)) continue;
      const int target = model.SectionToPoint(s) + d;
      if (target >= 25 || !IsOpen(model.PointToSection(target))) continue;
      AddSingle(
          {.from = s, .to = model.PointToSection(target), .stone = store.GetTopStone(s), .die = d},
          &count);
    }
  }
}

void MovePlanner::PlanSingleMove() {
  ctx_.flags.PairPending = false;
  if (SideHasNoMoves()) return;
  ListSingleCandidates();
  ctx_.scoring->ScoreSingleMoves();
  StartSingle(BestSingleCandidate());
}

void MovePlanner::ListEntryCandidates() {
  const StateStore& store = ctx_.store;
  const BoardModel& model = ctx_.model;
  // Entering is into the opponent's home board, on the point named by the die.
  const int first_section = ctx_.Side() == kDark ? 7 : 19;
  int count = 0;
  for (int key = FirstDieKey(); key <= FirstDieKey() + 1; ++key) {
    const int d = store.GetDie(key);
    for (int section = first_section; section < first_section + 6; ++section) {
      if (model.SectionToPoint(section) != d) continue;
      if (store.GetStackHeight(section) >= 2 && !Owns(section)) continue;
      AddSingle({.from = 0,
                 .to = model.PointToSection(d),
                 .stone = ctx_.rules->MoverBarStone(),
                 .die = d},
                &count);
    }
  }
}

void MovePlanner::PlanEntry() {
  ctx_.flags.PairPending = false;
  ListEntryCandidates();
  ctx_.scoring->ScoreEntryMoves();
  StartSingle(BestSingleCandidate());
}

void MovePlanner::ListBearOffCandidates() {
  const StateStore& store = ctx_.store;
  const BoardModel& model = ctx_.model;
  const int side = ctx_.Side();
  const int home_first = side == kDark ? 19 : 7;
  const int tray = side == kDark ? kDarkTray : kLightTray;
  auto holds_own = [&](int section) { return store.GetStackHeight(section) > 0 && Owns(section); };
  int count = 0;
  for (int key = FirstDieKey(); key <= FirstDieKey() + 1; ++key) {
    const int d = store.GetDie(key);
    if (d <= 0) continue;
    for (int s = home_first; s < home_first + 6; ++s) {
      if (!holds_own(s)) continue;
      const int target = model.SectionToPoint(s) + d;
      const SingleCandidate off{.from = s, .to = tray, .stone = store.GetTopStone(s), .die = d};
      if (target < 25) {
        const int to = model.PointToSection(target);
        if (store.GetStackHeight(to) < 2 || Owns(to)) {
          AddSingle({.from = s, .to = to, .stone = store.GetTopStone(s), .die = d}, &count);
        }
      } else if (target == 25) {
        AddSingle(off, &count);
      } else {
        // A larger die bears off only the stone farthest from the tray.
        bool farther_stone = false;
        for (int before = home_first; before < s; ++before) {
          if (holds_own(before)) farther_stone = true;
        }
        if (!farther_stone) AddSingle(off, &count);
      }
    }
  }
}

void MovePlanner::PlanBearOff() {
  ctx_.flags.PairPending = false;
  if (SideHasNoMoves()) return;
  ListBearOffCandidates();
  ctx_.scoring->ScoreBearOffMoves();
  StartSingle(BestSingleCandidate());
}

void MovePlanner::StartSingle(int entry) {
  if (entry == 0) return;
  const SingleCandidate chosen = ctx_.SingleCandidates[entry];
  ctx_.MovingStone = chosen.stone;
  ctx_.PipsLeft = chosen.die;
  ctx_.auto_play->StepComputerMove(ctx_.MovingStone, ctx_.PipsLeft);
  ClearCandidates();
}

int MovePlanner::BestPairCandidate() const {
  int best_score = kLowestChosenScore;
  int best = 0;
  for (int entry = 1; entry <= kPairCandidateCount; ++entry) {
    const PairCandidate& candidate = ctx_.PairCandidates[entry];
    if (candidate.die1 > 0 && candidate.score > best_score) {
      best_score = candidate.score;
      best = entry;
    }
  }
  return best;
}

int MovePlanner::BestSingleCandidate() const {
  int best_score = kLowestChosenScore;
  int best = 0;
  for (int entry = 1; entry <= kSingleCandidateCount; ++entry) {
    const SingleCandidate& candidate = ctx_.SingleCandidates[entry];
    if (candidate.die > 0 && candidate.score > best_score) {
      best_score = candidate.score;
      best = entry;
    }
  }
  return best;
}

}  // namespace zelvik
