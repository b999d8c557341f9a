#include "board/BoardLayout.h"

#include <cmath>

namespace zelvik {
namespace {

constexpr std::uint32_t kLightStoneColor = 0xFFC080;
constexpr std::uint32_t kDarkStoneColorAtCreation = 0x804000;
constexpr std::uint32_t kDarkStoneColor = 0x6C4400;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kYellow = 0xFFFF00;
constexpr std::uint32_t kPurple = 0xC000C0;
constexpr std::uint32_t kBlue = 0x0000C0;
constexpr std::uint32_t kLightTriangle = 0xB08900;
constexpr std::uint32_t kDarkTriangle = 0x766A00;
constexpr std::uint32_t kFrameBrown = 0x7F580A;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kEdgeBand = 0xCEB15F;
constexpr std::uint32_t kTrayBox = 0x007300;
constexpr double kPi = 3.1416;

constexpr double kStoneFontPt = 27.75;
constexpr double kMarkerFontPt = 15.75;
constexpr double kOptionFontPt = 18;

void SetLabel(Control& label, const char* caption, std::uint32_t color, double width, double height,
              double font) {
  label.caption = caption;
  label.color = color;
  label.width = width;
  label.height = height;
  label.font_size = font;
  label.visible = true;
}

}  // namespace

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

void BoardLayout::CreateControls() {
  Controls& c = ctx_.controls;
  for (int i = 1; i <= 30; ++i) {
    SetLabel(c.Stone[i], "n", i < 16 ? kLightStoneColor : kDarkStoneColorAtCreation, 600, 555,
             kStoneFontPt);
  }
  for (int i = 1; i <= 26; ++i) {
    const bool up = i <= 12 || i == 25;
    SetLabel(c.Display[i], up ? "5" : "6", kRed, up ? 300 : 345, up ? 300 : 315, kMarkerFontPt);
    c.Display[i].visible = false;
  }
  for (int i = 1; i <= 2; ++i) {
    c.LightDie[i] = Control{};
    c.DarkDie[i] = Control{};
    c.LightDie[i].width = c.DarkDie[i].width = 495;
    c.LightDie[i].height = c.DarkDie[i].height = 450;
  }
  c.LightDie[2].picture = 10;
  c.DarkDie[2].picture = 20;
  c.LightDie[1].visible = false;
  c.DarkDie[1].visible = false;
  SetLabel(c.Reset, "RESET", kRed, 1155, 390, kOptionFontPt);
  SetLabel(c.Undo, "BACK", kYellow, 1050, 390, kOptionFontPt);
  SetLabel(c.Players, "PLAYERS - 2", kPurple, 2145, 390, kOptionFontPt);
  SetLabel(c.Demo, "DEMO - OFF", kYellow, 2160, 390, kOptionFontPt);
  SetLabel(c.Exiter, "EXIT", kRed, 840, 390, kOptionFontPt);
  SetLabel(c.Helper, "HELP", kPurple, 990, 390, kOptionFontPt);
  SetLabel(c.Hit, "CONSERVATIVE", kBlue, 2850, 390, kOptionFontPt);
  SetLabel(c.Marker, "MARKERS - OFF", kRed, 2865, 390, kOptionFontPt);
  SetLabel(c.Hider, "HIDE", kPurple, 915, 390, kOptionFontPt);
}

double BoardLayout::ScreenScale() const {
  const double twips = ctx_.platform.GetScreenSize().width_px * kTwipsPerPixel;
  if (twips == 9600) return 1;
  if (twips == 12000) return 1.25;
  if (twips == 15360) return 1.6;
  if (twips == 19200) return 2;
  return 1;
}

void BoardLayout::AddLine(double x1, double y1, double x2, double y2, int pen,
                          std::uint32_t color) {
  DrawOp op;
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.pen = pen;
  op.color = color;
  ctx_.controls.drawing.push_back(op);
}

void BoardLayout::LayoutBoard() {
  Controls& c = ctx_.controls;
  const ScreenSize screen = ctx_.platform.GetScreenSize();
  c.window_width = screen.width_px * kTwipsPerPixel;
  c.window_height = screen.height_px * kTwipsPerPixel;
  c.drawing.clear();
  const double f = ScreenScale();
  const double w = ColumnWidth();

  // Point triangles: eight strokes per triangle, widening as they shorten.
  double x = w;
  for (int k = 1; k <= 12; ++k) {
    const bool even = k % 2 == 0;
    for (int j = 0; j <= 7; ++j) {
      AddLine(x, 0.028 * H(), x, 0.368 * H() - j * 0.45 * w, RoundHalfEven((6 + 4 * j) * f),
              even ? kLightTriangle : kDarkTriangle);
    }
    for (int j = 0; j <= 7; ++j) {
      AddLine(x, 0.885 * H(), x, 0.55 * H() + j * 0.45 * w, RoundHalfEven((6 + 4 * j) * f),
              even ? kDarkTriangle : kLightTriangle);
    }
    x += w;
    if (k == 6) x += 0.45 * w;
  }

  // The frame, drawn twice: a wide brown pen, then a thin black one.
  const int frame_pens[2] = {static_cast<int>(std::floor(14 * f)), 2};
  const std::uint32_t frame_colors[2] = {kFrameBrown, kBlack};
  for (int pass = 0; pass < 2; ++pass) {
    const int pen = frame_pens[pass];
    const std::uint32_t color = frame_colors[pass];
    AddLine(0.029 * W(), 0.0355 * H(), 0.97 * W(), 0.0355 * H(), pen, color);
    AddLine(0.029 * W(), 0.88 * H(), 0.97 * W(), 0.88 * H(), pen, color);
    AddLine(0.029 * W(), 0.0355 * H(), 0.029 * W(), 0.88 * H(), pen, color);
    AddLine(0.97 * W(), 0.0355 * H(), 0.97 * W(), 0.88 * H(), pen, color);
    AddLine(0.45 * W(), 0.0355 * H(), 0.45 * W(), 0.88 * H(), pen, color);
    AddLine(0.867 * W(), 0.0355 * H(), 0.867 * W(), 0.88 * H(), pen, color);
  }

  // The light band round the edge.
  const int band = static_cast<int>(std::floor(20 * f));
  AddLine(0, 0, W(), 0, band, kEdgeBand);
  AddLine(0.005 * W(), 0, 0.005 * W(), H(), band, kEdgeBand);
  AddLine(0.995 * W(), 0, 0.995 * W(), H(), band, kEdgeBand);
  AddLine(0, 0.95 * H(), W(), 0.95 * H(), static_cast<int>(std::floor(55 * f)), kEdgeBand);

  // Rounded corners.
  struct Corner {
    double cx, cy, from, to;
  };
  const Corner corners[4] = {{0.03, 0.032, kPi / 2, kPi},
                             {0.97, 0.032, 0, kPi / 2},
                             {0.97, 0.88, 3 * kPi / 2, 0},
                             {0.029, 0.88, kPi, 3 * kPi / 2}};
  for (const Corner& corner : corners) {
    DrawOp arc;
    arc.kind = DrawOp::Kind::kArc;
    arc.x1 = corner.cx * W();
    arc.y1 = corner.cy * H();
    arc.radius = 0.015 * H();
    arc.start_angle = corner.from;
    arc.end_angle = corner.to;
    arc.pen = static_cast<int>(std::floor(3 * f));
    arc.color = kEdgeBand;
    c.drawing.push_back(arc);
  }

  // Dice: Dark's a little larger than Light's; both squares measured on the width.
  auto place_die = [&](Control& die, double left, double size) {
    die.left = left * W();
    die.top = 0.43 * H();
    die.width = size * W();
    die.height = size * W();
  };
  place_die(c.DarkDie[1], 0.6, 0.05);
  place_die(c.DarkDie[2], 0.68, 0.05);
  c.DarkDie[1].visible = false;
  place_die(c.LightDie[1], 0.17, 0.047);
  place_die(c.LightDie[2], 0.25, 0.047);
  c.LightDie[1].visible = false;

  struct LabelPlace {
    Control* label;
    double left, top;
  };
  const LabelPlace first_row[] = {{&c.Reset, 0.03, 0.89},
                                  {&c.Undo, 0.19, 0.89},
                                  {&c.Players, 0.34, 0.89},
                                  {&c.Demo, 0.6, 0.89},
                                  {&c.Exiter, 0.88, 0.89}};
  const LabelPlace second_row[] = {{&c.Helper, 0.03, 0.94},
                                   {&c.Hit, 0.18, 0.94},
                                   {&c.Marker, 0.527, 0.94},
                                   {&c.Hider, 0.88, 0.94}};
  for (const LabelPlace& place : first_row) {
    place.label->left = place.left * W();
    place.label->top = place.top * H();
    place.label->font_size *= f;
  }
  c.DarkDie[2].picture = 20;
  c.LightDie[2].picture = 10;
  for (const LabelPlace& place : second_row) {
    place.label->left = place.left * W();
    place.label->top = place.top * H();
    place.label->font_size *= f;
  }
}

void BoardLayout::DrawBoardDetails() {
  Controls& c = ctx_.controls;
  const double f = ScreenScale();
  const double w = ColumnWidth();
  const int pen = static_cast<int>(std::floor(2 * f));
  const double s = 0.25 * 0.45 * w;

  // Point edges: short segments stepping outwards along each triangle's sides.
  double x = w;
  for (int k = 1; k <= 12; ++k) {
    double d = 0;
    for (int j = 0; j <= 7; ++j) {
      const double y = 0.35 * H() - j * 0.45 * w;
      AddLine(x - d, y, x - d, y + s, pen, kFrameBrown);
      AddLine(x + d, y, x + d, y + s, pen, kFrameBrown);
      d += 0.4 * s;
    }
    d = 0;
    for (int j = 0; j <= 7; ++j) {
      const double y = 0.55 * H() + j * 0.45 * w;
      AddLine(x - d, y, x - d, y + s, pen, kFrameBrown);
      AddLine(x + d, y, x + d, y + s, pen, kFrameBrown);
      d += 0.4 * s;
    }
    x += w;
    if (k == 6) x += 0.45 * w;
  }

  DrawOp box;
  box.kind = DrawOp::Kind::kBox;
  box.x1 = 0.895 * W();
  box.y1 = 0.08 * H();
  box.x2 = 0.94 * W();
  box.y2 = 0.835 * H();
  box.pen = pen;
  box.color = kTrayBox;
  c.drawing.push_back(box);

  for (int i = 1; i <= 30; ++i) c.Stone[i].font_size *= f;
  for (int i = 16; i <= 30; ++i) c.Stone[i].color = kDarkStoneColor;
}

void BoardLayout::PlaceMarkers() {
  Controls& c = ctx_.controls;
  const double w = ColumnWidth();
  double left = 0.76 * w;
  for (int i = 1; i <= 12; ++i) {
    c.Display[i].left = left;
    c.Display[i].top = 0.39 * H();
    left += w;
    if (i == 6) left += 0.45 * w;
  }
  left = 0.76 * w;
  for (int i = 13; i <= 24; ++i) {
    c.Display[i].left = left;
    c.Display[i].top = 0.487 * H();
    left += w;
    if (i == 18) left += 0.45 * w;
  }
  c.Display[25].left = 0.902 * W();
  c.Display[25].top = 0.39 * H();
  c.Display[26].left = 0.902 * W();
  c.Display[26].top = 0.487 * H();
  const double f = ScreenScale();
  for (int i = 1; i <= 26; ++i) c.Display[i].font_size *= f;
}

void BoardLayout::ShowBarStones() {
  const double u = W() / 20;
  for (int slot = 1; slot <= kBarSlots; ++slot) {
    const int stone = ctx_.store.GetBarSlot(slot);
    if (stone < 1 || stone > kStones) continue;  // empty, or nothing a picture exists for
    ctx_.controls.Stone[stone].left = 0.42 * W();
    ctx_.controls.Stone[stone].top = 0.2 * H() + u * (slot + 1);
  }
}

double BoardLayout::SectionLeft(int section) const {
  const double w = ColumnWidth();
  const int k = section > 12 ? section - 12 : section;
  return 0.56 * w + (k - 1) * w + (k >= 7 ? 0.45 * w : 0);
}

double BoardLayout::SectionBaseTop(int section) const {
  return section > 12 ? 0.795 * H() : 0.043 * H();
}

}  // namespace zelvik
