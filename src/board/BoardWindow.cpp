#include "board/BoardWindow.h"

namespace zelvik {

BoardWindow::BoardWindow(Platform& platform)
    : ctx_(platform, platform.ProgramDirectory()),
      layout_(ctx_),
      feedback_(ctx_),
      setup_(ctx_),
      turns_(ctx_),
      no_moves_(ctx_),
      rules_(ctx_),
      mover_(ctx_),
      dragging_(ctx_),
      markers_(ctx_),
      planner_(ctx_),
      scoring_(ctx_),
      auto_play_(ctx_),
      history_(ctx_),
      options_(ctx_) {
  ctx_.layout = &layout_;
  ctx_.feedback = &feedback_;
  ctx_.setup = &setup_;
  ctx_.turns = &turns_;
  ctx_.no_moves = &no_moves_;
  ctx_.rules = &rules_;
  ctx_.mover = &mover_;
  ctx_.dragging = &dragging_;
  ctx_.markers = &markers_;
  ctx_.planner = &planner_;
  ctx_.scoring = &scoring_;
  ctx_.auto_play = &auto_play_;
  ctx_.history = &history_;
  ctx_.options = &options_;

  Timers& t = ctx_.timers;
  t.DarkDelay = platform.CreateTimer(kDelayIntervalMs, [this] { auto_play_.OnDarkDelay(); });
  t.LightDelay = platform.CreateTimer(kDelayIntervalMs, [this] { auto_play_.OnLightDelay(); });
  t.DarkAuto = platform.CreateTimer(kAutoIntervalMs, [this] { auto_play_.OnDarkAuto(); });
  t.LightAuto = platform.CreateTimer(kAutoIntervalMs, [this] { auto_play_.OnLightAuto(); });
  t.PairMover = platform.CreateTimer(kPairMoverIntervalMs, [this] { auto_play_.OnPairMover(); });
  t.Mover = platform.CreateTimer(kMoverIntervalMs, [this] { auto_play_.OnMover(); });
  t.Message = platform.CreateTimer(kMessageIntervalMs, [this] { feedback_.OnMessageTimer(); });
  t.Reverse = platform.CreateTimer(kReverseIntervalMs, [this] { history_.OnReverseTimer(); });

  ctx_.store.on_play_advanced = [this] { history_.SaveSnapshot(); };
  layout_.CreateControls();
}

void BoardWindow::Create() {
  if (created_) return;
  created_ = true;
  setup_.CreateWindow();
}

bool BoardWindow::Click(std::string_view name, int index) {
  if (name == "LightDie" && (index == 1 || index == 2)) {
    turns_.OnLightDieClick();
  } else if (name == "DarkDie" && (index == 1 || index == 2)) {
    turns_.OnDarkDieClick();
  } else if (index != 0) {
    return false;
  } else if (name == "Reset") {
    options_.OnResetClick();
  } else if (name == "Undo") {
    history_.OnUndoClick();
  } else if (name == "Players") {
    options_.OnPlayersClick();
  } else if (name == "Demo") {
    options_.OnDemoClick();
  } else if (name == "Exiter") {
    options_.OnExiterClick();
  } else if (name == "Helper") {
    options_.OnHelperClick();
  } else if (name == "Hit") {
    options_.OnHitClick();
  } else if (name == "Marker") {
    options_.OnMarkerClick();
  } else if (name == "Hider") {
    options_.OnHiderClick();
  } else {
    return false;
  }
  return true;
}

bool BoardWindow::DoubleClick(std::string_view name, int index) {
  if (name == "Undo" && index == 0) {
    history_.OnUndoDoubleClick();
    return true;
  }
  // The other controls have no double-click handler.
  return ctx_.controls.Find(name, index) != nullptr;
}

void BoardWindow::StoneMouseDown(int stone, int buttons, double x, double y) {
  if (stone >= 1 && stone <= kStones) dragging_.OnMouseDown(stone, buttons, x, y);
}

void BoardWindow::StoneMouseMove(int stone, int buttons, double x, double y) {
  if (stone >= 1 && stone <= kStones) dragging_.OnMouseMove(stone, buttons, x, y);
}

void BoardWindow::StoneMouseUp(int stone, int buttons, double x, double y) {
  if (stone >= 1 && stone <= kStones) dragging_.OnMouseUp(stone, buttons, x, y);
}

void BoardWindow::BoardMouseMove() { markers_.HideMarkers(); }

}  // namespace zelvik
