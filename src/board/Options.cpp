#include "board/Options.h"

#include "game/GameSetup.h"

namespace zelvik {

void Options::OnPlayersClick() {
  Flags& f = ctx_.flags;
  Controls& c = ctx_.controls;
  f.LightIsComputer = !f.LightIsComputer;
  f.DarkIsComputer = false;
  if (f.LightIsComputer) {
    c.Players.caption = "PLAYERS - 1";
    c.Undo.caption = "STOP";
    const int side = ctx_.Side();
    if (side == 0 || side == kLight) ctx_.timers.LightDelay->SetEnabled(true);
  } else {
    c.Players.caption = "PLAYERS - 2";
    c.Undo.caption = "BACK";
    c.Demo.caption = "DEMO - OFF";
    f.DarkIsComputer = false;
  }
}

void Options::OnDemoClick() {
  Flags& f = ctx_.flags;
  Controls& c = ctx_.controls;
  f.DarkIsComputer = !f.DarkIsComputer;
  if (f.DarkIsComputer) {
    f.LightIsComputer = true;
    c.Demo.caption = "DEMO - ON";
    c.Undo.caption = "STOP";
    c.Players.caption = "PLAYERS - 0";
    const int side = ctx_.Side();
    if (side == 0 || side == kDark) ctx_.timers.DarkDelay->SetEnabled(true);
    if (side == kLight) ctx_.timers.LightDelay->SetEnabled(true);
  } else {
    c.Demo.caption = "DEMO - OFF";
    c.Players.caption = "PLAYERS - 2";
    c.Undo.caption = "BACK";
    f.LightIsComputer = false;
    f.LightTurnRunning = false;
    f.DarkTurnRunning = false;
  }
}

void Options::OnMarkerClick() {
  ctx_.flags.MarkersOn = !ctx_.flags.MarkersOn;
  ctx_.controls.Marker.caption = ctx_.flags.MarkersOn ? "MARKERS - ON" : "MARKERS - OFF";
}

void Options::OnHitClick() {
  if (ctx_.flags.HitBonus == 0) {
    ctx_.flags.HitBonus = 80;
    ctx_.controls.Hit.caption = "  AGGRESSIVE";
  } else {
    ctx_.flags.HitBonus = 0;
    ctx_.controls.Hit.caption = "CONSERVATIVE";
  }
}

void Options::OnResetClick() { ctx_.setup->NewGame(); }

void Options::OnExiterClick() {
  ctx_.Exiting = true;
  if (on_exit) on_exit();
}

void Options::OnHiderClick() {
  if (on_hide) on_hide();
}

void Options::OnHelperClick() {
  if (on_help) on_help();
}

}  // namespace zelvik
