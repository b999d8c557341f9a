// The game's state file, Zelvik.ini, and the accessors every other part reads and writes it by.
//
// The file is the game: there is no other copy of the board, the dice or the turn. Every read
// answers what the file holds after the last write, and every change is written at once.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "state/IniFile.h"

namespace zelvik {

// Section names of the state file (and of the snapshots).
inline constexpr std::string_view kCurrentPlayerSection = "Current Player";
inline constexpr std::string_view kDiceSection = "Dice";
inline constexpr std::string_view kPositionsSection = "Positions";
inline constexpr std::string_view kStackNumberSection = "Stack Number";
inline constexpr std::string_view kBarSection = "Bar";
inline constexpr std::string_view kPlayerKey = "Player";
inline constexpr std::string_view kMovesKey = "Moves";
inline constexpr std::string_view kPlayNumberKey = "Play Number";

// The classic bar has 15 slots shared by both sides. Slots 16..30 are taken only when those 15
// are full, so that a 16th stone sent to the bar is still kept and seen; every bar scan reads
// them all, which changes nothing while at most 15 slots are used.
inline constexpr int kBarSlots = 30;
inline constexpr int kMaxLevel = 15;
inline constexpr int kSections = 26;
inline constexpr int kStones = 30;

class StateStore {
 public:
  explicit StateStore(std::string program_dir);

  const std::string& program_dir() const { return program_dir_; }

  // The program's directory followed by the file name, with exactly one separator between.
  std::string StateFilePath() const;
  static std::string JoinPath(const std::string& dir, std::string_view name);
  static bool FileExists(const std::string& path);

  // Re-reads the file from disk (the file may have been replaced behind the game's back).
  void Reload();

  int GetCurrentPlayer() const { return Read(kCurrentPlayerSection, kPlayerKey, -1); }
  void SetCurrentPlayer(int side);
  int GetMoveCount() const { return Read(kCurrentPlayerSection, kMovesKey, -1); }
  int GetPlayNumber() const { return Read(kCurrentPlayerSection, kPlayNumberKey, -1); }
  void AdvancePlayNumber();
  int GetDie(int n) const { return Read(kDiceSection, std::to_string(n), -1); }
  void SetDie(int n, int value) { Write(kDiceSection, std::to_string(n), value); }
  void SetMoveCount(int moves) { Write(kCurrentPlayerSection, kMovesKey, moves); }

  int GetStackHeight(int section) const { return Read(kPositionsSection, Key(section), 0); }
  int GetStackHeightOrNone(int section) const { return Read(kPositionsSection, Key(section), -1); }
  int GetStackLevel(int stone) const { return Read(kStackNumberSection, Key(stone), -1); }
  int GetStoneAt(int section, int level, int default_value = -1) const {
    return Read(Key(section), Key(level), default_value);
  }
  int GetBottomStone(int section) const { return GetStoneAt(section, 1); }
  int GetTopStone(int section) const { return GetStoneAt(section, GetStackHeight(section)); }
  int GetStoneBelowTop(int section) const {
    return GetStoneAt(section, GetStackHeight(section) - 1);
  }
  int FindStoneSection(int stone) const;
  int GetBarSlot(int slot, int default_value = -1) const {
    return Read(kBarSection, Key(slot), default_value);
  }
  int FirstFreeBarSlot() const;
  bool IsOnBar(int stone) const;

  int Read(std::string_view section, std::string_view key, int default_value) const {
    return file_->ReadInt(section, key, default_value);
  }
  void Write(std::string_view section, std::string_view key, int value);
  void WriteEmpty(std::string_view section, std::string_view key);
  void EmptySection(std::string_view section);

  const IniFile& file() const { return *file_; }

  // False once a write could not reach the disk; the game goes on from memory.
  bool writes_ok() const { return writes_ok_; }

  // Called by AdvancePlayNumber after the new play number is written: saves the snapshot.
  std::function<void()> on_play_advanced;

  static std::string Key(int number) { return std::to_string(number); }

 private:
  std::string program_dir_;
  std::unique_ptr<IniFile> file_;
  bool writes_ok_ = true;
};

}  // namespace zelvik
