// The pictures of the program. Each is painted in its own logical pixel coordinates; the
// painter may be scaled beforehand for a denser rendering.
#pragma once

#include <QPainter>
#include <QSize>

namespace artwork {

// The splash window's backdrop: a dark-blue, glowing scene with light-blue translucent panels.
// The captions are written over its left half, which stays dark.
inline constexpr QSize kSplashSize(800, 600);
void PaintSplash(QPainter& p);

// The about window's backdrop: blue-white streaks of light rushing out from the centre.
inline constexpr QSize kStarfieldSize(640, 480);
void PaintStarfield(QPainter& p);

// Drawing instruments on white: a red set square, a green protractor, a yellow pen, a blue
// pencil.
inline constexpr QSize kInstrumentsSize(124, 93);
void PaintInstruments(QPainter& p);

// A red rose with water drops, leaves and a stem, on a transparent ground.
inline constexpr QSize kRoseSize(367, 250);
void PaintRose(QPainter& p);

// The author's head and shoulders, illustrated.
inline constexpr QSize kPortraitSize(250, 385);
void PaintPortrait(QPainter& p);

// The program's icon: a red cone above its grey shadow, in flat colours. Painted in a 32 x 32
// square; scale the painter for larger sizes. With flat set, the outline is a whole logical
// pixel wide for a crisp rendering without antialiasing.
inline constexpr QSize kIconSize(32, 32);
void PaintIcon(QPainter& p, bool flat);

}  // namespace artwork
