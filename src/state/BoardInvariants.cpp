#include "state/BoardInvariants.h"

#include <array>

#include "state/BoardModel.h"

namespace zelvik {
namespace {

constexpr int kScanLevels = 30;

}  // namespace

std::string CheckBoardInvariants(const StateStore& store) {
  std::array<int, kStones + 1> places{};
  std::array<std::string, kStones + 1> where{};
  auto note = [&](int stone, const std::string& place) -> std::string {
    if (stone < 1 || stone > kStones) return place + " holds " + std::to_string(stone);
    if (++places[stone] > 1) {
      return "stone " + std::to_string(stone) + " is both at " + where[stone] + " and at " + place;
    }
    where[stone] = place;
    return "";
  };

  for (int section = 1; section <= kSections; ++section) {
    const int height = store.GetStackHeight(section);
    const std::string name = "section " + std::to_string(section);
    if (height < 0 || height > kMaxLevel) {
      return name + " has height " + std::to_string(height);
    }
    int side = 0;
    for (int level = 1; level <= kScanLevels; ++level) {
      const int stone = store.GetStoneAt(section, level);
      const std::string place = name + " level " + std::to_string(level);
      if (level <= height) {
        if (stone == -1) return place + " is empty below height " + std::to_string(height);
        if (std::string error = note(stone, place); !error.empty()) return error;
        if (store.GetStackLevel(stone) != level) {
          return "stone " + std::to_string(stone) + " at " + place + " has Stack Number " +
                 std::to_string(store.GetStackLevel(stone));
        }
        const int stone_side = stone < 16 ? kLight : kDark;
        if (section <= 24 && side != 0 && stone_side != side) {
          return name + " holds stones of both sides";
        }
        side = stone_side;
      } else if (stone != -1) {
        return place + " holds stone " + std::to_string(stone) + " above height " +
               std::to_string(height);
      }
    }
  }
  for (int slot = 1; slot <= kBarSlots; ++slot) {
    const int stone = store.GetBarSlot(slot);
    if (stone == -1) continue;
    if (std::string error = note(stone, "bar slot " + std::to_string(slot)); !error.empty()) {
      return error;
    }
  }
  for (int stone = 1; stone <= kStones; ++stone) {
    if (places[stone] == 0) return "stone " + std::to_string(stone) + " is nowhere";
  }
  return "";
}

}  // namespace zelvik
