#include "computer/MoveScoring.h"

#include <cstdint>
#include <optional>

#include "rules/MoveRules.h"

namespace zelvik {
namespace {

// A set of places 0..26; 0 is "no section", as an empty candidate entry holds.
class Sections {
 public:
  constexpr Sections() = default;
  static constexpr Sections Range(int first, int last) {
    Sections set;
    for (int section = first; section <= last; ++section) set.bits_ |= std::uint32_t{1} << section;
    return set;
  }
  constexpr Sections operator|(Sections other) const { return Bits(bits_ | other.bits_); }
  constexpr Sections Without(Sections other) const { return Bits(bits_ & ~other.bits_); }
  constexpr bool Has(int section) const {
    return section >= 0 && section <= kSections && ((bits_ >> section) & 1) != 0;
  }

 private:
  static constexpr Sections Bits(std::uint32_t bits) {
    Sections set;
    set.bits_ = bits;
    return set;
  }
  std::uint32_t bits_ = 0;
};

constexpr Sections Range(int first, int last) { return Sections::Range(first, last); }
constexpr Sections kNowhere{};

// The ranges and values each side's rules use. Light's and Dark's differ in places (Dark's home
// penalties start one point earlier, its outfield ends one point earlier, its counted stone
// numbers end at 23); both columns are the game's judgement and are kept as they are.
struct SideBounds {
  Sections landing_zone;        // Z: made points, rules 1 and 2
  Sections home;                // H: home penalties of rules 5..7, S3
  Sections inner_home;          // H': rules 7b and 9
  Sections outfield;            // O: rule 3
  Sections race;                // R: rules 10 and S7
  int split_home_penalty;       // rule 5a: a stack of three broken inside H
  Sections home_board;          // S1, and bear-off contact
  Sections outside_home_board;  // S2, S6
  Sections exposed_from;        // S4: the extra penalty when the move starts here
  Sections exposed_to;          // S4: the extra penalty when the move ends here
  Sections blot_home;           // CountHomeBlots
  int numbered_first;           // CountNumberedBlots: stone numbers counted
  int numbered_last;
  int bear_off_beyond;  // a single move ending above this section bears off
};

constexpr SideBounds kLightBounds{
    .landing_zone = Range(6, 12),
    .home = Range(7, 12),
    .inner_home = Range(7, 12),
    .outfield = Range(1, 24).Without(Range(7, 12)),
    .race = Range(1, 6) | Range(13, 18),
    .split_home_penalty = 20,
    .home_board = Range(7, 12),
    .outside_home_board = Range(0, kSections).Without(Range(7, 12)),
    .exposed_from = Range(7, 12),
    .exposed_to = kNowhere,
    .blot_home = Range(7, 12),
    .numbered_first = 7,
    .numbered_last = 12,
    .bear_off_beyond = 12,
};

constexpr SideBounds kDarkBounds{
    .landing_zone = Range(18, 24),
    .home = Range(18, 24),
    .inner_home = Range(19, 24),
    .outfield = Range(1, 17),
    .race = Range(1, 6) | Range(13, 18),
    .split_home_penalty = 25,
    .home_board = Range(19, 24),
    .outside_home_board = Range(1, 18),
    .exposed_from = kNowhere,
    .exposed_to = Range(18, 24),
    .blot_home = Range(18, 24),
    .numbered_first = 19,
    .numbered_last = 23,
    .bear_off_beyond = 24,
};

// The position as the rules ask about it, for the side to move. Every question reads the state
// file afresh.
class Scene {
 public:
  explicit Scene(const GameContext& ctx)
      : ctx_(ctx), side_(ctx.Side()), bounds_(side_ == kDark ? kDarkBounds : kLightBounds) {}

  const SideBounds& bounds() const { return bounds_; }

  int height(int section) const { return ctx_.store.GetStackHeight(section); }
  // The bottom stone is the mover's / the opponent's; an empty section is neither.
  bool own(int section) const {
    const int bottom = ctx_.store.GetBottomStone(section);
    return side_ == kLight ? IsLightStone(bottom) : side_ == kDark && IsDarkStone(bottom);
  }
  bool opp(int section) const {
    const int bottom = ctx_.store.GetBottomStone(section);
    return side_ == kLight ? IsDarkStone(bottom) : side_ == kDark && IsLightStone(bottom);
  }
  int pt(int section) const { return BoardModel::SectionToPointFor(side_, section); }

  bool InZ(int section) const { return bounds_.landing_zone.Has(section); }
  bool InH(int section) const { return bounds_.home.Has(section); }
  bool InInnerH(int section) const { return bounds_.inner_home.Has(section); }
  bool InO(int section) const { return bounds_.outfield.Has(section); }
  bool InR(int section) const { return bounds_.race.Has(section); }

  bool OpponentOnBar() const { return ctx_.rules->OpponentOnBar(); }
  bool OpponentReadyToBearOff() const { return ctx_.rules->OpponentReadyToBearOff(); }

  int CountHomeBlots() const {
    int count = 0;
    for (int section = 1; section <= 24; ++section) {
      if (bounds_.blot_home.Has(section) && height(section) == 1 && own(section)) ++count;
    }
    return count;
  }
  int CountNumberedBlots() const {
    int count = 0;
    for (int section = 1; section <= 24; ++section) {
      const int bottom = ctx_.store.GetBottomStone(section);
      if (height(section) == 1 && bottom >= bounds_.numbered_first &&
          bottom <= bounds_.numbered_last) {
        ++count;
      }
    }
    return count;
  }

  // A hit, and the second step a hit earns when the opponent is far behind.
  int HitScore() const {
    return 40 - 10 * CountHomeBlots() - 5 * CountNumberedBlots() + ctx_.flags.HitBonus;
  }
  int SecondHitScore() const { return 40 - 5 * CountHomeBlots() + ctx_.flags.HitBonus; }

  // Bearing off: a stone left alone can still be hit, with an opposing stone in the mover's
  // home board or on the bar. Decided once for the whole list.
  bool BearOffExposed() const {
    if (!bear_off_exposed_.has_value()) {
      bool contact = false;
      for (int section = 1; section <= 24; ++section) {
        if (bounds_.home_board.Has(section) && opp(section)) contact = true;
      }
      bear_off_exposed_ = contact || OpponentOnBar();
    }
    return *bear_off_exposed_;
  }

 private:
  const GameContext& ctx_;
  int side_;
  const SideBounds& bounds_;
  mutable std::optional<bool> bear_off_exposed_;
};

template <typename Candidate>
struct Rule {
  const char* id;
  bool (*applies)(const Scene&, const Candidate&);
  int (*change)(const Scene&, const Candidate&);
};

template <typename Candidate, std::size_t kCount>
int ScoreChange(const Scene& s, const Candidate& c, const Rule<Candidate> (&rules)[kCount]) {
  int change = 0;
  for (const Rule<Candidate>& rule : rules) {
    if (rule.applies(s, c)) change += rule.change(s, c);
  }
  return change;
}

// A change that does not depend on the position.
template <typename Candidate, int kPoints>
int Fixed(const Scene&, const Candidate&) {
  return kPoints;
}

// -pt(x), and `extra` more when x lies in `range`: a blot left where it can be hit.
int Exposed(const Scene& s, int section, Sections range, int extra) {
  return -s.pt(section) - (range.Has(section) ? extra : 0);
}

bool EmptyOrOpp(const Scene& s, int section) { return s.height(section) == 0 || s.opp(section); }

// ---- Pairs ----

// B: the stack a made point is built from may be left as a blot.
int BlotLeftBehind(const Scene& s, const PairCandidate& c) {
  if (c.from1 != c.from2) {
    if (s.height(c.from1) == 2) return -s.pt(c.from1);
    if (s.height(c.from2) == 2) return -s.pt(c.from2);
    return 0;
  }
  return s.height(c.from1) == 3 ? -s.pt(c.from1) : 0;
}

int MadePoint(const Scene& s, const PairCandidate& c) { return 26 + BlotLeftBehind(s, c); }

// A hit counts only when the other landing section holds stones, of either side.
bool PairHits(const Scene& s, const PairCandidate& c) {
  return (s.opp(c.to1) && s.height(c.to2) > 0) || (s.opp(c.to2) && s.height(c.to1) > 0);
}

using PairRule = Rule<PairCandidate>;
constexpr PairRule kPairRules[] = {
    {"1a",
     [](const Scene& s, const PairCandidate& c) {
       return s.InZ(c.to1) && c.to2 != c.to1 && s.height(c.to1) == 1 && s.own(c.to1);
     },
     MadePoint},
    {"1b",
     [](const Scene& s, const PairCandidate& c) {
       return s.InZ(c.to1) && c.to2 == c.to1 && s.height(c.to1) < 2;
     },
     MadePoint},
    {"2a",
     [](const Scene& s, const PairCandidate& c) {
       return s.InZ(c.to2) && c.to2 != c.to1 && s.height(c.to2) == 1 && s.own(c.to2);
     },
     MadePoint},
    {"2b",
     [](const Scene& s, const PairCandidate& c) {
       return s.InZ(c.to2) && c.to2 == c.to1 && s.height(c.to2) < 2;
     },
     MadePoint},
    {"3a",
     [](const Scene& s, const PairCandidate& c) {
       return c.to2 != c.to1 && s.InO(c.to1) && s.height(c.to1) == 1 && s.own(c.to1) &&
              c.to1 != c.from2;
     },
     Fixed<PairCandidate, 15>},
    {"3b",
     [](const Scene& s, const PairCandidate& c) {
       return c.to2 != c.to1 && !s.InO(c.to1) && s.InO(c.to2) && s.height(c.to2) == 1 &&
              s.own(c.to2) && c.to2 != c.from1;
     },
     Fixed<PairCandidate, 15>},
    {"3c",
     [](const Scene& s, const PairCandidate& c) {
       return c.to2 == c.to1 && s.InO(c.to1) && s.height(c.to2) < 2;
     },
     Fixed<PairCandidate, 15>},
    {"4a", PairHits, [](const Scene& s, const PairCandidate&) { return s.HitScore(); }},
    {"4b",
     [](const Scene& s, const PairCandidate& c) {
       return PairHits(s, c) && s.OpponentReadyToBearOff();
     },
     [](const Scene& s, const PairCandidate&) { return s.SecondHitScore(); }},
    {"5a",
     [](const Scene& s, const PairCandidate& c) {
       return c.from1 == c.from2 && s.height(c.from1) == 3;
     },
     [](const Scene& s, const PairCandidate& c) {
       return Exposed(s, c.from1, s.bounds().home, s.bounds().split_home_penalty);
     }},
    {"5b",
     [](const Scene& s, const PairCandidate& c) {
       return c.from1 == c.from2 && c.to1 != c.to2 && EmptyOrOpp(s, c.to1);
     },
     [](const Scene& s, const PairCandidate& c) { return Exposed(s, c.to1, s.bounds().home, 25); }},
    {"5c",
     [](const Scene& s, const PairCandidate& c) {
       return c.from1 == c.from2 && c.to1 != c.to2 && EmptyOrOpp(s, c.to2);
     },
     [](const Scene& s, const PairCandidate& c) { return Exposed(s, c.to2, s.bounds().home, 25); }},
    {"6a",
     [](const Scene& s, const PairCandidate& c) {
       return c.from1 != c.from2 && c.stone1 != c.stone2 && s.height(c.from1) == 2;
     },
     [](const Scene& s, const PairCandidate& c) {
       return Exposed(s, c.from1, s.bounds().home, 25);
     }},
    {"6b",
     [](const Scene& s, const PairCandidate& c) {
       return c.from1 != c.from2 && c.stone1 != c.stone2 && s.height(c.from2) == 2;
     },
     [](const Scene& s, const PairCandidate& c) {
       return Exposed(s, c.from2, s.bounds().home, 25);
     }},
    {"6c",
     [](const Scene& s, const PairCandidate& c) {
       return c.from1 != c.from2 && c.stone1 != c.stone2 && c.to1 != c.to2 && EmptyOrOpp(s, c.to1);
     },
     [](const Scene& s, const PairCandidate& c) { return Exposed(s, c.to1, s.bounds().home, 25); }},
    {"6d",
     [](const Scene& s, const PairCandidate& c) {
       return c.from1 != c.from2 && c.stone1 != c.stone2 && c.to1 != c.to2 && EmptyOrOpp(s, c.to2);
     },
     [](const Scene& s, const PairCandidate& c) { return Exposed(s, c.to2, s.bounds().home, 25); }},
    {"7a",
     [](const Scene& s, const PairCandidate& c) {
       return c.stone1 == c.stone2 && (s.height(c.to2) < 1 || s.opp(c.to2));
     },
     [](const Scene& s, const PairCandidate& c) { return Exposed(s, c.to2, s.bounds().home, 25); }},
    {"7b",
     [](const Scene& s, const PairCandidate& c) {
       return c.stone1 == c.stone2 && s.height(c.from1) == 2;
     },
     [](const Scene& s, const PairCandidate& c) {
       return Exposed(s, c.from1, s.bounds().inner_home, 25);
     }},
    {"8a",
     [](const Scene& s, const PairCandidate& c) {
       return s.height(c.from1) == 1 && c.from1 != c.to2;
     },
     Fixed<PairCandidate, 10>},
    {"8b",
     [](const Scene& s, const PairCandidate& c) {
       return s.height(c.from2) == 1 && c.from2 != c.to1;
     },
     Fixed<PairCandidate, 10>},
    {"9",
     [](const Scene& s, const PairCandidate& c) {
       return c.from1 == c.from2 && c.stone1 != c.stone2 && s.InInnerH(c.from1) &&
              s.height(c.from1) < 4;
     },
     Fixed<PairCandidate, -15>},
    {"10",
     [](const Scene& s, const PairCandidate& c) {
       return s.OpponentReadyToBearOff() && (s.InR(c.from1) || s.InR(c.from2));
     },
     Fixed<PairCandidate, 100>},
};

// ---- Single moves ----

// Leaving a stack of two behind costs the point it leaves.
int LeavesBlot(const Scene& s, const SingleCandidate& c) {
  return s.height(c.from) == 2 ? -s.pt(c.from) : 0;
}

bool OutsideHome(const Scene& s, int section) { return s.bounds().outside_home_board.Has(section); }

using SingleRule = Rule<SingleCandidate>;
constexpr SingleRule kSingleRules[] = {
    {"S1",
     [](const Scene& s, const SingleCandidate& c) {
       return s.bounds().home_board.Has(c.to) && s.height(c.to) == 1 && s.own(c.to);
     },
     [](const Scene& s, const SingleCandidate& c) { return 25 + LeavesBlot(s, c); }},
    {"S2",
     [](const Scene& s, const SingleCandidate& c) {
       return OutsideHome(s, c.to) && s.height(c.to) == 1 && s.own(c.to);
     },
     [](const Scene& s, const SingleCandidate& c) { return 15 + LeavesBlot(s, c); }},
    {"S3", [](const Scene& s, const SingleCandidate& c) { return s.height(c.from) == 2; },
     [](const Scene& s, const SingleCandidate& c) {
       return Exposed(s, c.from, s.bounds().home, 10);
     }},
    {"S4", [](const Scene& s, const SingleCandidate& c) { return EmptyOrOpp(s, c.to); },
     [](const Scene& s, const SingleCandidate& c) {
       const bool extra = s.bounds().exposed_from.Has(c.from) || s.bounds().exposed_to.Has(c.to);
       return -s.pt(c.to) - (extra ? 10 : 0);
     }},
    {"S5", [](const Scene& s, const SingleCandidate& c) { return s.height(c.from) == 1; },
     Fixed<SingleCandidate, 10>},
    {"S6a",
     [](const Scene& s, const SingleCandidate& c) { return OutsideHome(s, c.to) && s.opp(c.to); },
     [](const Scene& s, const SingleCandidate&) { return s.HitScore(); }},
    {"S6b",
     [](const Scene& s, const SingleCandidate& c) {
       return OutsideHome(s, c.to) && s.opp(c.to) && s.OpponentOnBar();
     },
     [](const Scene& s, const SingleCandidate&) { return s.SecondHitScore(); }},
    {"S7",
     [](const Scene& s, const SingleCandidate& c) {
       return s.OpponentReadyToBearOff() && s.InR(c.from);
     },
     Fixed<SingleCandidate, 100>},
};

// ---- Entering from the bar ----

constexpr SingleRule kEntryRules[] = {
    {"enter hitting",
     [](const Scene& s, const SingleCandidate& c) { return s.height(c.to) == 1 && s.opp(c.to); },
     Fixed<SingleCandidate, 10>},
    {"enter on a blot of ours",
     [](const Scene& s, const SingleCandidate& c) { return s.height(c.to) == 1 && s.own(c.to); },
     Fixed<SingleCandidate, 5>},
    {"enter on an empty point",
     [](const Scene& s, const SingleCandidate& c) { return s.height(c.to) == 0; },
     Fixed<SingleCandidate, -5>},
};

// ---- Bearing off ----

constexpr SingleRule kBearOffRules[] = {
    {"leaves a blot within reach",
     [](const Scene& s, const SingleCandidate& c) {
       return s.height(c.from) == 2 && s.BearOffExposed();
     },
     Fixed<SingleCandidate, -10>},
    {"takes a blot out of reach",
     [](const Scene& s, const SingleCandidate& c) {
       return s.height(c.from) == 1 && s.BearOffExposed();
     },
     Fixed<SingleCandidate, 10>},
    {"bears off",
     [](const Scene& s, const SingleCandidate& c) { return c.to > s.bounds().bear_off_beyond; },
     Fixed<SingleCandidate, 5>},
};

}  // namespace

void MoveScoring::ScorePairMoves() {
  const Scene scene(ctx_);
  for (int entry = 1; entry <= kPairCandidateCount; ++entry) {
    PairCandidate& candidate = ctx_.PairCandidates[entry];
    if (candidate.die1 > 0) candidate.score += ScoreChange(scene, candidate, kPairRules);
  }
}

void MoveScoring::ScoreSingleMoves() {
  const Scene scene(ctx_);
  for (int entry = 1; entry <= kSingleCandidateCount; ++entry) {
    SingleCandidate& candidate = ctx_.SingleCandidates[entry];
    candidate.score += ScoreChange(scene, candidate, kSingleRules);
  }
}

void MoveScoring::ScoreEntryMoves() {
  const Scene scene(ctx_);
  for (int entry = 1; entry <= kSingleCandidateCount; ++entry) {
    SingleCandidate& candidate = ctx_.SingleCandidates[entry];
    if (candidate.die > 0) candidate.score += ScoreChange(scene, candidate, kEntryRules);
  }
}

void MoveScoring::ScoreBearOffMoves() {
  const Scene scene(ctx_);
  for (int entry = 1; entry <= kSingleCandidateCount; ++entry) {
    SingleCandidate& candidate = ctx_.SingleCandidates[entry];
    candidate.score += ScoreChange(scene, candidate, kBearOffRules);
  }
}

int MoveScoring::CountHomeBlots() const { return Scene(ctx_).CountHomeBlots(); }

int MoveScoring::CountNumberedBlots() const { return Scene(ctx_).CountNumberedBlots(); }

}  // namespace zelvik
