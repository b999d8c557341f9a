#include "board/Feedback.h"

namespace zelvik {

void Feedback::PlaySound(int Index) { ctx_.platform.PlaySound(Index); }

void Feedback::ShowTimedMessage(const std::string& text) {
  ctx_.timers.Message->SetEnabled(true);
  ShowMessage(text);
}

void Feedback::ShowMessage(const std::string& prompt, const std::string& title) {
  ctx_.platform.ShowMessageBox(prompt, title);
}

void Feedback::OnMessageTimer() {
  ctx_.platform.CloseMessageBox();
  ctx_.timers.Message->SetEnabled(false);
  ctx_.SetBusy(false);
  // One timer serves every box. A box opened while another was open (a timer's handler can
  // show one inside the first box's wait) would otherwise be left open for good, and the game
  // steps waiting behind it would never run: give the next box its own three seconds.
  if (ctx_.platform.OpenMessageBoxes() > 0) ctx_.timers.Message->SetEnabled(true);
}

}  // namespace zelvik
