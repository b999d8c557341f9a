#include "state/StateStore.h"

#include <climits>
#include <fstream>

namespace zelvik {

StateStore::StateStore(std::string program_dir) : program_dir_(std::move(program_dir)) { Reload(); }

std::string StateStore::JoinPath(const std::string& dir, std::string_view name) {
  if (!dir.empty() && dir.back() == '/') return dir + std::string(name);
  return dir + "/" + std::string(name);
}

std::string StateStore::StateFilePath() const { return JoinPath(program_dir_, "Zelvik.ini"); }

bool StateStore::FileExists(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return static_cast<bool>(in);
}

void StateStore::Reload() { file_ = std::make_unique<IniFile>(StateFilePath()); }

void StateStore::Write(std::string_view section, std::string_view key, int value) {
  if (!file_->WriteInt(section, key, value)) writes_ok_ = false;
}

void StateStore::WriteEmpty(std::string_view section, std::string_view key) {
  if (!file_->WriteEmpty(section, key)) writes_ok_ = false;
}

void StateStore::EmptySection(std::string_view section) {
  if (!file_->EmptySection(section)) writes_ok_ = false;
}

void StateStore::SetCurrentPlayer(int side) {
  Write(kCurrentPlayerSection, kPlayerKey, side);
  Write(kCurrentPlayerSection, kMovesKey, 0);
  AdvancePlayNumber();
}

void StateStore::AdvancePlayNumber() {
  // A hand-edited play number at the top of the range stays there rather than wrapping.
  const int play = GetPlayNumber();
  Write(kCurrentPlayerSection, kPlayNumberKey, play < INT_MAX ? play + 1 : play);
  if (on_play_advanced) on_play_advanced();
}

int StateStore::FindStoneSection(int stone) const {
  for (int section = 1; section <= kSections; ++section) {
    for (int level = 1; level <= 30; ++level) {
      if (GetStoneAt(section, level) == stone) return section;
    }
  }
  return 0;
}

int StateStore::FirstFreeBarSlot() const {
  for (int slot = 1; slot <= kBarSlots; ++slot) {
    if (GetBarSlot(slot) == -1) return slot;
  }
  return 0;
}

bool StateStore::IsOnBar(int stone) const {
  for (int slot = 1; slot <= kBarSlots; ++slot) {
    if (GetBarSlot(slot) == stone) return true;
  }
  return false;
}

}  // namespace zelvik
