#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace numora {

// Layouts are written in twips, 1/1440 inch; at 96 dots per inch 15 twips make one logical pixel.
// This is the only place where twips become pixels, at the program's zoom (1 at 100 %, see
// Zoom.h); Qt scales logical pixels on dense screens.
constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips, double zoom = 1.0) {
  // Round half away from zero, so that a 7-twip half pixel does not vanish on either side.
  const double pixels = twips * zoom / kTwipsPerPixel;
  return static_cast<int>(pixels >= 0 ? pixels + 0.5 : pixels - 0.5);
}

inline QPoint TwipsPoint(int x, int y, double zoom = 1.0) { return {Px(x, zoom), Px(y, zoom)}; }
inline QSize TwipsSize(int width, int height, double zoom = 1.0) {
  return {Px(width, zoom), Px(height, zoom)};
}
inline QRect TwipsRect(int left, int top, int width, int height, double zoom = 1.0) {
  return {Px(left, zoom), Px(top, zoom), Px(width, zoom), Px(height, zoom)};
}
inline QRect TwipsRect(const QRect& twips, double zoom) {
  return TwipsRect(twips.x(), twips.y(), twips.width(), twips.height(), zoom);
}

}  // namespace numora
