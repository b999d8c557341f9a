#include "platform/SeededDice.h"

namespace zelvik {

std::uint64_t SeededDice::NextRaw() {
  state_ += 0x9E3779B97F4A7C15ULL;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

int SeededDice::NextDie() {
  // Reject the top sliver of the range so that every face is equally likely.
  constexpr std::uint64_t kLimit = UINT64_MAX - UINT64_MAX % 6;
  std::uint64_t raw;
  do {
    raw = NextRaw();
  } while (raw >= kLimit);
  return static_cast<int>(raw % 6) + 1;
}

DiceFrame SeededDice::NextFrame(bool last_frame) {
  if (last_frame && !queued_.empty()) {
    DiceFrame frame = queued_.front();
    queued_.pop_front();
    return frame;
  }
  DiceFrame frame;
  frame.die1 = NextDie();
  frame.die2 = NextDie();
  return frame;
}

}  // namespace zelvik
