#pragma once

#include <QRgb>

#include "ui/platform/Faces.h"

namespace numora {

enum class Align { Left, Centre };

struct Style {
  FontSpec font = {};
  // Labels only.
  Align align = Align::Left;
  bool framed = false;    // a single-line border: the label shows a result
  bool autoSize = false;  // the label sizes itself to its text
  QRgb colour = 0;        // text colour; 0 keeps the window's
  // For assistive technology: what to type into a box that has no caption of its own beside it,
  // or what a result label holds (its value stays its accessible name).
  const char16_t* accessibleName = nullptr;
  const char16_t* description = nullptr;
};

// One row of a window's layout: a control's name, caption, place and size in twips and tab index,
// as the window's table gives them. The window turns rows into widgets with FormWindow::add...().
struct Control {
  const char* name;
  const char16_t* caption = u"";
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int tabIndex = -1;
  Style style = {};
};

}  // namespace numora
