#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace numora {

// Layouts are written in twips, 1/1440 inch; at 96 dots per inch 15 twips make one logical pixel.
// This is the only place where twips become pixels; Qt scales logical pixels on dense screens.
constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) {
  // Round half away from zero, so that a 7-twip half pixel does not vanish on either side.
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

inline QPoint TwipsPoint(int x, int y) { return {Px(x), Px(y)}; }
inline QSize TwipsSize(int width, int height) { return {Px(width), Px(height)}; }
inline QRect TwipsRect(int left, int top, int width, int height) {
  return {Px(left), Px(top), Px(width), Px(height)};
}

}  // namespace numora
