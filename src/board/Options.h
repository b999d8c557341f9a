// The option labels along the bottom of the board: PLAYERS, DEMO, MARKERS, the aggressiveness
// switch, RESET, and the window commands EXIT, HIDE and HELP, which the desktop carries out.
#pragma once

#include <functional>

#include "game/GameContext.h"

namespace zelvik {

class Options {
 public:
  explicit Options(GameContext& ctx) : ctx_(ctx) {}

  void OnPlayersClick();
  void OnDemoClick();
  void OnMarkerClick();
  void OnHitClick();
  void OnResetClick();
  void OnExiterClick();
  void OnHiderClick();
  void OnHelperClick();

  // Window commands, carried out by whoever hosts the board window.
  std::function<void()> on_exit;
  std::function<void()> on_hide;
  std::function<void()> on_help;

 private:
  GameContext& ctx_;
};

}  // namespace zelvik
