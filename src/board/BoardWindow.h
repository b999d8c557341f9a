// The board window: the game's one window, owning the flags, the timers and the controls.
//
// It is a facade over the subsystem classes that do its work, all sharing one GameContext.
// The desktop program and the script driver forward every click, mouse event and timer to it
// and render or print its controls.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "board/BoardLayout.h"
#include "board/Feedback.h"
#include "board/Options.h"
#include "computer/AutoPlay.h"
#include "computer/MovePlanner.h"
#include "computer/MoveScoring.h"
#include "game/GameContext.h"
#include "game/GameSetup.h"
#include "game/NoMoveCheck.h"
#include "game/Turns.h"
#include "history/History.h"
#include "rules/Markers.h"
#include "rules/MoveMaker.h"
#include "rules/MoveRules.h"
#include "rules/StoneDrag.h"

namespace zelvik {

class BoardWindow {
 public:
  explicit BoardWindow(Platform& platform);
  BoardWindow(const BoardWindow&) = delete;
  BoardWindow& operator=(const BoardWindow&) = delete;

  // The window is loaded: the board is drawn and the game resumed or started.
  void Create();
  bool created() const { return created_; }

  // A click on a control by its name ("LightDie", "Reset", ...); false for an unknown name.
  bool Click(std::string_view name, int index = 0);
  bool DoubleClick(std::string_view name, int index = 0);

  // Mouse events on a stone's picture; x, y inside the picture, in twips.
  void StoneMouseDown(int stone, int buttons, double x, double y);
  void StoneMouseMove(int stone, int buttons, double x, double y);
  void StoneMouseUp(int stone, int buttons, double x, double y);
  // The pointer moves over the board itself, not over a control.
  void BoardMouseMove();

  GameContext& ctx() { return ctx_; }
  const GameContext& ctx() const { return ctx_; }
  Controls& controls() { return ctx_.controls; }
  Options& options() { return options_; }

 private:
  GameContext ctx_;
  BoardLayout layout_;
  Feedback feedback_;
  GameSetup setup_;
  Turns turns_;
  NoMoveCheck no_moves_;
  MoveRules rules_;
  MoveMaker mover_;
  StoneDrag dragging_;
  Markers markers_;
  MovePlanner planner_;
  MoveScoring scoring_;
  AutoPlay auto_play_;
  History history_;
  Options options_;
  bool created_ = false;
};

}  // namespace zelvik
