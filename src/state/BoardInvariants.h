// A check of the whole board in the state file: every stone in exactly one place, stacks
// without gaps, levels recorded right, one side per point.
#pragma once

#include <string>

#include "state/StateStore.h"

namespace zelvik {

// Returns an empty string when the board is sound, else what is wrong first.
std::string CheckBoardInvariants(const StateStore& store);

}  // namespace zelvik
