#include "computer/AutoPlay.h"

namespace zelvik {

// Placeholder until the computer player lands.
void AutoPlay::OnLightDelay() { ctx_.timers.LightDelay->SetEnabled(false); }
void AutoPlay::OnDarkDelay() { ctx_.timers.DarkDelay->SetEnabled(false); }
void AutoPlay::OnLightAuto() { ctx_.timers.LightAuto->SetEnabled(false); }
void AutoPlay::OnDarkAuto() { ctx_.timers.DarkAuto->SetEnabled(false); }
void AutoPlay::OnPairMover() { ctx_.timers.PairMover->SetEnabled(false); }
void AutoPlay::OnMover() { ctx_.timers.Mover->SetEnabled(false); }
void AutoPlay::StartPairMove(int&, int&) {}
void AutoPlay::StepComputerMove(int&, int&) {}
void AutoPlay::CancelMove() {}

}  // namespace zelvik
