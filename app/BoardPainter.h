// Paints the board's strokes: the picture drawn once when the board window is created.
#pragma once

#include <QPixmap>
#include <vector>

#include "board/Controls.h"

class QPainter;

namespace zelvik {

// The board background: green, then every stroke in order.
QPixmap RenderBoard(const Controls& controls);

// One stroke. Pens are in pixels with round ends; coordinates are in twips. Arcs run
// counter-clockwise on the screen from the start angle to the end angle, passing through
// angle 0 when the end is below the start.
void PaintDrawOp(QPainter& painter, const DrawOp& op);

inline constexpr QRgb kBoardGreen = 0x008000;

}  // namespace zelvik
