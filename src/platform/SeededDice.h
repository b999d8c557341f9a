// A dice source of our own: a seed gives the same sequence with every compiler and library.
#pragma once

#include <cstdint>
#include <deque>

#include "platform/Platform.h"

namespace zelvik {

// SplitMix64 stream reduced to 1..6 without bias.
class SeededDice : public DiceSource {
 public:
  explicit SeededDice(std::uint64_t seed) : state_(seed) {}

  DiceFrame NextFrame(bool last_frame) override;

  // Queues the values that the last frame of a later roll will give, in order of the rolls.
  void QueueRoll(int die1, int die2) { queued_.push_back({die1, die2}); }
  bool HasQueuedRolls() const { return !queued_.empty(); }

  int NextDie();

 private:
  std::uint64_t NextRaw();

  std::uint64_t state_;
  std::deque<DiceFrame> queued_;
};

}  // namespace zelvik
