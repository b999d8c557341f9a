#include "history/History.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "computer/AutoPlay.h"
#include "game/GameSetup.h"
#include "state/BoardModel.h"
#include "state/StateStore.h"

namespace zelvik {
namespace {

// Builds settings-file text in memory, section by section, as writing the same keys one by
// one into a new file would leave it.
class SnapshotWriter {
 public:
  void Section(std::string_view name) { text_ += "[" + std::string(name) + "]\n"; }
  void Key(std::string_view key, std::string_view value) {
    text_ += std::string(key) + "=" + std::string(value) + "\n";
  }
  void Key(std::string_view key, int value) { Key(key, std::to_string(value)); }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// The play number a snapshot file name stands for, or 0 for any other name. Only the plain
// decimal text a play number is written as counts ("7", not "07" or "7.tmp").
int PlayOfFileName(const std::string& name) {
  if (name.empty() || name.size() > 9 || name.front() == '0') return 0;
  if (!std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return 0;
  }
  return std::stoi(name);
}

bool IsDieValue(int value) { return value >= 0 && value <= 6; }

}  // namespace

std::string History::MovesDirectory() const {
  return StateStore::JoinPath(ctx_.store.program_dir(), "Moves");
}

std::string History::SnapshotPath(int play) const {
  return StateStore::JoinPath(MovesDirectory(), std::to_string(play));
}

std::string History::SnapshotText() const {
  const StateStore& store = ctx_.store;
  SnapshotWriter out;
  out.Section(kCurrentPlayerSection);
  out.Key(kPlayerKey, store.GetCurrentPlayer());
  out.Key(kMovesKey, store.GetMoveCount());
  out.Key(kPlayNumberKey, store.GetPlayNumber());
  out.Section(kDiceSection);
  for (int die = 1; die <= 4; ++die) out.Key(StateStore::Key(die), store.GetDie(die));

  // Slot 1 is written empty first and then takes its stone, if it has one, in place.
  out.Section(kBarSection);
  const int first_slot = store.GetBarSlot(1, 0);
  out.Key("1", first_slot > 0 ? std::to_string(first_slot) : "");
  for (int slot = 2; slot <= kBarSlots; ++slot) {
    const int stone = store.GetBarSlot(slot, 0);
    if (stone > 0) out.Key(StateStore::Key(slot), stone);
  }

  // A section appears only when one of its levels is written.
  for (int section = 1; section <= kSections; ++section) {
    bool opened = false;
    for (int level = 1; level <= kMaxLevel; ++level) {
      const int stone = store.GetStoneAt(section, level, 0);
      if (stone <= 0) continue;
      if (!opened) out.Section(StateStore::Key(section));
      opened = true;
      out.Key(StateStore::Key(level), stone);
    }
  }
  return out.text();
}

void History::SaveSnapshot() {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::create_directories(MovesDirectory(), error);

  // The whole file is written under a temporary name and renamed over the old one, so no key
  // of an earlier snapshot of this play number survives and no half-written file is left.
  const std::string path = SnapshotPath(ctx_.store.GetPlayNumber());
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return;
    out << SnapshotText();
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temp, error);
      return;
    }
  }
  fs::rename(temp, path, error);
  if (error) fs::remove(temp, error);
}

std::vector<int> History::EarlierSnapshots(int play) const {
  namespace fs = std::filesystem;
  // The directory is listed once rather than probing every number below the play number: a
  // damaged state file may name a play in the millions.
  std::vector<int> plays;
  std::error_code error;
  fs::directory_iterator it(MovesDirectory(), error);
  if (error) return plays;
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) break;
    const int number = PlayOfFileName(it->path().filename().string());
    if (number >= 1 && number < play && it->is_regular_file(error)) plays.push_back(number);
  }
  std::sort(plays.rbegin(), plays.rend());
  return plays;
}

bool History::IsUsableSnapshot(const IniFile& snapshot) {
  std::array<int, kStones + 1> seen{};
  auto take = [&seen](int stone) { return stone >= 1 && stone <= kStones && ++seen[stone] == 1; };

  for (int slot = 1; slot <= kBarSlots; ++slot) {
    const int stone = snapshot.ReadInt(kBarSection, StateStore::Key(slot), 0);
    if (stone > 0 && !take(stone)) return false;
  }
  for (int section = 1; section <= kSections; ++section) {
    int side = 0;
    if (section == kLightTray) side = kLight;
    if (section == kDarkTray) side = kDark;
    for (int level = 1; level <= kMaxLevel; ++level) {
      const int stone = snapshot.ReadInt(StateStore::Key(section), StateStore::Key(level), 0);
      if (stone <= 0) continue;
      if (!take(stone)) return false;
      const int stone_side = IsLightStone(stone) ? kLight : kDark;
      if (side != 0 && stone_side != side) return false;
      side = stone_side;
    }
  }
  return std::all_of(seen.begin() + 1, seen.end(), [](int count) { return count == 1; });
}

void History::CopyFromSnapshot(const IniFile& snapshot, int play) {
  StateStore& store = ctx_.store;
  auto read = [&snapshot](std::string_view section, std::string_view key) {
    return snapshot.ReadInt(section, key, 0);
  };

  // The turn is taken as the snapshot holds it, mended where no play can start that way: the
  // play number is the one the file is named by (the search for the next step back relies on
  // it), a play starts with no move made, and only the side to move holds dice.
  int player = read(kCurrentPlayerSection, kPlayerKey);
  if (player != kLight && player != kDark) player = 0;
  std::array<int, 5> dice{};
  for (int die = 1; die <= 4; ++die) {
    dice[die] = read(kDiceSection, StateStore::Key(die));
    if (!IsDieValue(dice[die])) dice[die] = 0;
  }
  // The snapshot of the first play is written when the opening roll is decided, before the
  // winner is given the loser's value as its other die: both opening values are still in the
  // second die keys ("2" Light's, "4" Dark's). Hand them over as the opening does.
  const bool opening = dice[2] > 0 && dice[4] > 0;
  if (player == kLight) {
    if (opening) dice[1] = dice[4];
    dice[3] = dice[4] = 0;
  } else if (player == kDark) {
    if (opening) dice[3] = dice[2];
    dice[1] = dice[2] = 0;
  } else {
    dice = {};
  }

  store.Write(kCurrentPlayerSection, kPlayNumberKey, play);
  store.Write(kCurrentPlayerSection, kPlayerKey, player);
  store.Write(kCurrentPlayerSection, kMovesKey, 0);
  for (int die = 1; die <= 4; ++die) store.SetDie(die, dice[die]);

  store.EmptySection(kBarSection);
  for (int slot = 1; slot <= kBarSlots; ++slot) {
    const int stone = read(kBarSection, StateStore::Key(slot));
    if (stone > 0) store.Write(kBarSection, StateStore::Key(slot), stone);
  }

  for (int section = 1; section <= kSections; ++section) {
    store.EmptySection(StateStore::Key(section));
  }
  for (int section = 1; section <= kSections; ++section) {
    for (int level = 1; level <= kMaxLevel; ++level) {
      const int stone = read(StateStore::Key(section), StateStore::Key(level));
      if (stone > 0) store.Write(StateStore::Key(section), StateStore::Key(level), stone);
    }
  }
}

void History::ForgetTakenBackTurn() {
  Flags& f = ctx_.flags;
  // Restoring the dice shows doubles again if the restored play has them.
  f.DoublesRolled = false;
  f.LightHasNoMoves = false;
  f.DarkHasNoMoves = false;
  f.LightTurnRunning = false;
  f.DarkTurnRunning = false;
  // A computer roll or move armed for a side the computer no longer plays belongs to a play
  // that is gone.
  Timers& t = ctx_.timers;
  if (!f.LightIsComputer) {
    t.LightDelay->SetEnabled(false);
    t.LightAuto->SetEnabled(false);
  }
  if (!f.DarkIsComputer) {
    t.DarkDelay->SetEnabled(false);
    t.DarkAuto->SetEnabled(false);
  }
}

void History::StepBack() {
  const int play = ctx_.store.GetPlayNumber();
  if (play < 2) {
    ctx_.setup->NewGame();
    ForgetTakenBackTurn();
    return;
  }
  // A computer stone on its way was planned on the board that is being taken back; it is
  // dropped before the file changes, so that its picture goes back to where it stood.
  ctx_.auto_play->CancelMove();

  // Lost snapshots are skipped, and so are damaged ones, which would put an impossible board
  // into the state file. With none left, the game goes back to its start.
  for (int earlier : EarlierSnapshots(play)) {
    const std::string path = SnapshotPath(earlier);
    if (!StateStore::FileExists(path)) continue;
    const IniFile snapshot(path);
    if (!IsUsableSnapshot(snapshot)) continue;
    CopyFromSnapshot(snapshot, earlier);
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    ForgetTakenBackTurn();
    ctx_.SetBusy(false);
    return;
  }
  ctx_.setup->NewGame();
  ForgetTakenBackTurn();
}

void History::TakeBackOnePlay() {
  if (stepping_back_) return;
  stepping_back_ = true;
  StepBack();
  ctx_.setup->RestoreGame();
  ctx_.flags.GameOver = false;
  stepping_back_ = false;
}

void History::OnUndoClick() {
  Flags& f = ctx_.flags;
  Controls& c = ctx_.controls;
  ctx_.SetBusy(true);
  c.Undo.caption = "BACK";
  if (ctx_.timers.Reverse->Enabled()) {
    ctx_.timers.Reverse->SetEnabled(false);
    ctx_.SetBusy(false);
    return;
  }
  if (!f.LightIsComputer && !f.DarkIsComputer) {
    TakeBackOnePlay();
    return;
  }
  // STOP: the computer gives up both sides. Its timers are left armed; its move timers find
  // the flags cleared when they fire. The pointer stays busy until the next operation resets it.
  f.LightIsComputer = false;
  f.DarkIsComputer = false;
  f.LightTurnRunning = false;
  f.DarkTurnRunning = false;
  c.Demo.caption = "DEMO - OFF";
}

void History::OnUndoDoubleClick() {
  // The click that came first has already taken a play back or stopped the computer.
  ctx_.flags.LightIsComputer = false;
  ctx_.flags.DarkIsComputer = false;
  ctx_.timers.Reverse->SetEnabled(true);
  ctx_.controls.Undo.caption = "STOP";
  ctx_.SetBusy(true);
}

void History::OnReverseTimer() {
  // Not one-shot: it runs until a click on Undo stops it or a new game does.
  TakeBackOnePlay();
}

}  // namespace zelvik
