// Sounds and self-closing messages: the two ways the game speaks to the player.
#pragma once

#include <string>

#include "game/GameContext.h"

namespace zelvik {

// Sound ids of the program's built-in sounds.
inline constexpr int kSoundDiceRoll = 27;
inline constexpr int kSoundDoubles = 28;
inline constexpr int kSoundClick = 29;
inline constexpr int kSoundTune = 30;  // a new game set up, the window created, Dark's win

// The seven texts the game ever shows.
inline constexpr const char* kLightsMove = "Light's Move";
inline constexpr const char* kDarksMove = "Dark's Move";
inline constexpr const char* kTieRollAgain = "Tie Roll Again.";
inline constexpr const char* kLightHasNoMoves = "Light Has No Moves.";
inline constexpr const char* kDarkHasNoMoves = "Dark Has No Moves.";
inline constexpr const char* kLightWins = "Light Wins.";
inline constexpr const char* kDarkWins = "Dark Wins.";

inline constexpr const char* kApplicationTitle = "ZELVIK";

class Feedback {
 public:
  explicit Feedback(GameContext& ctx) : ctx_(ctx) {}

  void PlaySound(int Index);

  // Enables the Message timer, then shows the text in a modal box; returns once the box has
  // closed, by the player or by the timer three seconds later.
  void ShowTimedMessage(const std::string& text);
  void ShowMessage(const std::string& prompt, const std::string& title = kApplicationTitle);

  // The Message timer: closes the open box and resets the pointer.
  void OnMessageTimer();

 private:
  GameContext& ctx_;
};

}  // namespace zelvik
