// The state of the board window's controls, kept by the core and rendered by the desktop.
//
// Positions and sizes are in twips (15 to a screen pixel), colours are 0xRRGGBB, font sizes are
// points after scaling. The desktop program draws exactly this; the script driver prints it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvik {

struct Control {
  bool visible = true;
  std::string caption;
  int picture = 0;  // dice bitmap id, 0 for labels
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  double font_size = 0;
  std::uint32_t color = 0;
};

// One stroke of the board picture, drawn once when the window is created.
struct DrawOp {
  enum class Kind { kLine, kBox, kArc };
  Kind kind = Kind::kLine;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // twips; the arc's centre in x1, y1
  double radius = 0;                      // twips, arcs only
  double start_angle = 0, end_angle = 0;  // radians, counter-clockwise from the x axis
  int pen = 1;                            // pixels
  std::uint32_t color = 0;
};

struct Controls {
  double window_width = 0;   // twips
  double window_height = 0;  // twips
  bool busy_pointer = false;

  std::array<Control, 31> Stone;    // 1..30
  std::array<Control, 27> Display;  // 1..26
  std::array<Control, 3> LightDie;  // 1..2
  std::array<Control, 3> DarkDie;   // 1..2
  Control Reset, Undo, Players, Demo, Exiter, Helper, Hit, Marker, Hider;

  std::vector<DrawOp> drawing;

  // A control by its name and index as the script driver and the desktop name them;
  // nullptr for an unknown name or an index out of range.
  Control* Find(std::string_view name, int index);

  struct Named {
    std::string_view name;
    int index;  // 0 for single controls
    Control* control;
  };
  // Every control in a fixed order: stones, markers, dice, then the option labels.
  std::vector<Named> All();
};

}  // namespace zelvik
