// Twips, points and pixels: the board's measurements are in twips, its fonts in points.
#pragma once

#include <QFont>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "board/BoardLayout.h"

namespace zelvik {

inline constexpr double kTwipsPerPoint = 20.0;

inline int TwipsToPixels(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// A font's em in pixels; the screen counts 15 twips to the pixel, so a point is 4/3 pixel.
inline int PointsToPixels(double points) {
  return std::max(1, static_cast<int>(std::lround(points * kTwipsPerPoint / kTwipsPerPixel)));
}

// A bold font of the first family installed, sized in points on the 15-twips-per-pixel scale
// whatever the screen's own DPI says.
inline QFont BoldFont(const QStringList& families, double points) {
  QFont font;
  font.setFamilies(families);
  font.setWeight(QFont::Bold);
  font.setPixelSize(PointsToPixels(points));
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace zelvik
