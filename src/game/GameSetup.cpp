#include "game/GameSetup.h"

#include <filesystem>
#include <set>
#include <system_error>
#include <vector>

#include "board/BoardLayout.h"
#include "board/Feedback.h"
#include "computer/AutoPlay.h"
#include "game/Turns.h"
#include "history/History.h"
#include "rules/MoveMaker.h"

namespace zelvik {
namespace {

struct StartingPlace {
  int first_stone, last_stone, section;
};

constexpr StartingPlace kStartingPosition[] = {
    {1, 2, 24},   {3, 7, 13},  {8, 10, 5},   {11, 15, 7},
    {16, 17, 12}, {18, 22, 1}, {23, 25, 17}, {26, 30, 19},
};

}  // namespace

void GameSetup::CreateWindow() {
  ctx_.layout->LayoutBoard();
  ctx_.layout->DrawBoardDetails();
  ctx_.layout->PlaceMarkers();
  if (StateStore::FileExists(ctx_.store.StateFilePath())) {
    RestoreGame();
  } else {
    NewGame();
  }
  ctx_.feedback->PlaySound(kSoundTune);
}

void GameSetup::DeleteSnapshots() {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::directory_iterator it(ctx_.history->MovesDirectory(), error);
  if (error) return;
  // Collect the names first: events run between deletions and may write a new snapshot.
  std::vector<fs::path> files;
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) break;
    if (it->is_regular_file(error)) files.push_back(it->path());
  }
  bool first = true;
  for (const fs::path& file : files) {
    if (!first) ctx_.platform.ProcessPendingEvents();
    first = false;
    fs::remove(file, error);
  }
}

void GameSetup::NewGame() {
  // A computer stone still on its way was planned on the old board: it must not land on this one.
  ctx_.auto_play->CancelMove();
  DeleteSnapshots();

  StateStore& store = ctx_.store;
  store.Write(kCurrentPlayerSection, kPlayerKey, 0);
  store.Write(kCurrentPlayerSection, kMovesKey, 0);
  store.Write(kCurrentPlayerSection, kPlayNumberKey, 0);
  for (int die = 1; die <= 4; ++die) store.SetDie(die, 0);

  store.EmptySection(kBarSection);
  for (int section = 1; section <= kSections; ++section) {
    store.EmptySection(StateStore::Key(section));
  }
  store.EmptySection(kPositionsSection);
  store.EmptySection(kStackNumberSection);

  for (const StartingPlace& place : kStartingPosition) {
    for (int stone = place.first_stone; stone <= place.last_stone; ++stone) {
      ctx_.mover->PlaceStone(stone, place.section);
    }
  }

  Controls& c = ctx_.controls;
  c.LightDie[2].picture = 10;
  c.DarkDie[2].picture = 20;
  c.LightDie[1].visible = false;
  c.DarkDie[1].visible = false;
  c.LightDie[2].visible = true;
  c.DarkDie[2].visible = true;

  Flags& f = ctx_.flags;
  f.LightDice = {0, 0};
  f.DarkDice = {0, 0};
  f.GameOver = false;
  f.DoublesRolled = false;
  f.LightTurnRunning = false;
  f.DarkTurnRunning = false;
  f.LightIsComputer = false;
  f.DarkIsComputer = false;
  f.LightHasNoMoves = false;
  f.DarkHasNoMoves = false;

  ctx_.timers.Reverse->SetEnabled(false);

  c.Players.caption = "PLAYERS - 2";
  c.Demo.caption = "DEMO - OFF";
  c.Undo.caption = "BACK";

  ctx_.feedback->PlaySound(kSoundTune);
  ctx_.SetBusy(false);
}

void GameSetup::RestoreGame() {
  ctx_.auto_play->CancelMove();
  StateStore& store = ctx_.store;
  for (int section = 1; section <= kSections; ++section) {
    store.Write(kPositionsSection, StateStore::Key(section), 0);
  }
  for (int stone = 1; stone <= kStones; ++stone) {
    store.Write(kStackNumberSection, StateStore::Key(stone), 0);
  }

  // Rebuild every stack bottom first, so stacks come back in their old order. What a damaged
  // file holds beyond that (a gap, a stone that does not exist, a stone listed twice, a level
  // past the top) is dropped, so that every stone the file names stands in exactly one place.
  std::set<int> placed;
  for (int section = 1; section <= kSections; ++section) {
    std::vector<int> stack;
    bool clean = true;
    int last_filled = 0;
    for (int level = 1; level <= 30; ++level) {
      const std::string* text =
          store.file().ReadText(StateStore::Key(section), StateStore::Key(level));
      if (text == nullptr || text->empty()) continue;
      const int stone = store.GetStoneAt(section, level);
      last_filled = level;
      if (level > kMaxLevel || stone < 1 || stone > kStones || placed.count(stone) != 0) {
        clean = false;
        continue;
      }
      placed.insert(stone);
      stack.push_back(stone);
    }
    if (last_filled != static_cast<int>(stack.size())) clean = false;
    if (!clean) store.EmptySection(StateStore::Key(section));
    for (int stone : stack) ctx_.mover->PlaceStone(stone, section);
  }
  SanitizeBar(placed);
  SanitizeTurn();

  ctx_.layout->ShowBarStones();
  ctx_.turns->ShowDice();
}

void GameSetup::SanitizeBar(std::set<int>& placed) {
  StateStore& store = ctx_.store;
  for (int slot = 1; slot <= kBarSlots; ++slot) {
    const std::string* text = store.file().ReadText(kBarSection, StateStore::Key(slot));
    if (text == nullptr || text->empty()) continue;
    const int stone = store.GetBarSlot(slot);
    if (stone < 1 || stone > kStones || placed.count(stone) != 0) {
      store.WriteEmpty(kBarSection, StateStore::Key(slot));
      continue;
    }
    placed.insert(stone);
  }
}

void GameSetup::SanitizeTurn() {
  // Values no turn can have would leave the game stuck; they read as the nearest sound state.
  StateStore& store = ctx_.store;
  const int player = store.GetCurrentPlayer();
  if (player < 0 || player > 2) store.Write(kCurrentPlayerSection, kPlayerKey, 0);
  const int moves = store.GetMoveCount();
  if (moves < 0 || moves > 3) store.Write(kCurrentPlayerSection, kMovesKey, 0);
  if (store.GetPlayNumber() < 0) store.Write(kCurrentPlayerSection, kPlayNumberKey, 0);
  for (int die = 1; die <= 4; ++die) {
    const int value = store.GetDie(die);
    if (value < 0 || value > 6) store.SetDie(die, 0);
  }
}

}  // namespace zelvik
