// The board window's geometry: its size, the board picture, and where every control stands.
//
// Every position is a fraction of the window's width W and height H in twips; w = W / 15 is the
// column width. Pen widths and font sizes are multiplied by the screen scale factor.
#pragma once

#include "game/GameContext.h"

namespace zelvik {

inline constexpr double kTwipsPerPixel = 15.0;

class BoardLayout {
 public:
  explicit BoardLayout(GameContext& ctx) : ctx_(ctx) {}

  // The controls as the window is created: captions, colours, design sizes, fonts.
  void CreateControls();

  double ScreenScale() const;
  void LayoutBoard();
  void DrawBoardDetails();
  void PlaceMarkers();
  void ShowBarStones();

  double W() const { return ctx_.controls.window_width; }
  double H() const { return ctx_.controls.window_height; }
  double ColumnWidth() const { return W() / 15; }

  // Left of a stone picture on a board section 1..24.
  double SectionLeft(int section) const;
  // Top of the bottom stone of a board section 1..24.
  double SectionBaseTop(int section) const;

 private:
  void AddLine(double x1, double y1, double x2, double y2, int pen, std::uint32_t color);

  GameContext& ctx_;
};

// Half-to-even rounding, as the classic runtime rounds pen widths.
int RoundHalfEven(double value);

}  // namespace zelvik
