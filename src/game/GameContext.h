// What the parts of the board window share: the state store, the window-level flags, the
// timers, the controls, the computer's candidate lists and the platform.
//
// The board window is one object in the game's description; here its work is split into the
// subsystem classes below, each holding this context. Nothing of the game itself is kept here
// (the state file is the game); only the flags and values that live as long as the window.
#pragma once

#include <array>
#include <memory>

#include "board/Controls.h"
#include "platform/Platform.h"
#include "state/BoardModel.h"
#include "state/StateStore.h"

namespace zelvik {

class BoardLayout;
class Feedback;
class GameSetup;
class Turns;
class NoMoveCheck;
class MoveRules;
class MoveMaker;
class StoneDrag;
class Markers;
class MovePlanner;
class MoveScoring;
class AutoPlay;
class History;
class Options;

// Window-level flags and values; all false or zero when the window is created, none saved.
struct Flags {
  bool GameOver = false;
  bool DoublesRolled = false;
  bool LightTurnRunning = false;
  bool DarkTurnRunning = false;
  bool LightHasNoMoves = false;
  bool DarkHasNoMoves = false;
  bool LightIsComputer = false;
  bool DarkIsComputer = false;
  bool PairPending = false;
  bool MarkersOn = false;
  int HitBonus = 0;
  std::array<int, 2> LightDice{0, 0};
  std::array<int, 2> DarkDice{0, 0};
};

// Timer intervals, in milliseconds.
inline constexpr int kDelayIntervalMs = 1000;      // DarkDelay, LightDelay: a computer roll
inline constexpr int kAutoIntervalMs = 1000;       // DarkAuto, LightAuto: a computer move
inline constexpr int kPairMoverIntervalMs = 1000;  // the second move of a pair
inline constexpr int kMoverIntervalMs = 300;       // one point of a travelling stone
inline constexpr int kMessageIntervalMs = 3000;    // a message box closes itself
inline constexpr int kReverseIntervalMs = 2000;    // one play taken back in the reverse replay

struct Timers {
  std::unique_ptr<Timer> DarkDelay, LightDelay, DarkAuto, LightAuto, PairMover, Mover, Message,
      Reverse;
};

// Where the stone's picture was when a person pressed the button, and where it was released.
struct DragState {
  double GrabX = 0, GrabY = 0;
  double DragOriginLeft = 0, DragOriginTop = 0;
  double DropLeft = 0, DropTop = 0;
};

struct PairCandidate {
  int die1 = 0, die2 = 0, stone1 = 0, stone2 = 0, from1 = 0, from2 = 0, to1 = 0, to2 = 0;
  int score = 0;
};

struct SingleCandidate {
  int from = 0, to = 0, stone = 0, die = 0, score = 0;
};

inline constexpr int kPairCandidateCount = 100;
inline constexpr int kSingleCandidateCount = 30;

// The computer's move in progress.
struct ComputerMove {
  bool first_half_done = false;
  bool animating = false;
  int steps_taken = 0;
  int die = 0;
  int from = 0;
  int to = 0;
};

struct GameContext {
  GameContext(Platform& platform_in, const std::string& program_dir)
      : platform(platform_in), store(program_dir), model(store) {}

  Platform& platform;
  StateStore store;
  BoardModel model;
  Controls controls;
  Flags flags;
  Timers timers;
  DragState drag;

  // Entries 1..100 and 1..30; entry 0 is unused.
  std::array<PairCandidate, kPairCandidateCount + 1> PairCandidates{};
  std::array<SingleCandidate, kSingleCandidateCount + 1> SingleCandidates{};

  ComputerMove computer_move;
  int MovingStone = 0;
  int PipsLeft = 0;
  int SecondStone = 0;
  int SecondDie = 0;

  bool Exiting = false;

  // The subsystems, wired by BoardWindow.
  BoardLayout* layout = nullptr;
  Feedback* feedback = nullptr;
  GameSetup* setup = nullptr;
  Turns* turns = nullptr;
  NoMoveCheck* no_moves = nullptr;
  MoveRules* rules = nullptr;
  MoveMaker* mover = nullptr;
  StoneDrag* dragging = nullptr;
  Markers* markers = nullptr;
  MovePlanner* planner = nullptr;
  MoveScoring* scoring = nullptr;
  AutoPlay* auto_play = nullptr;
  History* history = nullptr;
  Options* options = nullptr;

  // The side whose turn it is, as the state file says.
  int Side() const { return store.GetCurrentPlayer(); }
  void SetBusy(bool busy) {
    controls.busy_pointer = busy;
    platform.SetBusyPointer(busy);
  }
};

}  // namespace zelvik
