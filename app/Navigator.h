#pragma once

namespace numora {

enum class FormId {
  Form1 = 1,  // the main menu
  Form2,      // the roots window
  Form3,      // the powers window
  Form4,      // the trapezoid window
  Form5,      // the circle window
  Form6,      // the rectangle-or-square window
  Form7,      // the cuboid-or-cube window
  Form8,      // the triangle window
  Form9,      // the sphere window
  Form10,     // the about window
  Form11,     // the Pythagorean-theorem window
  Form12,     // the cylinder window
  Form13,     // the quadratic-equation window
  Form14,     // the splash window, shown at start
  Form15,     // the temperature window
  Form16,     // the calculator window
};
constexpr int kFormCount = 16;

// Opens windows by name; a window is created the first time it is shown.
class Navigator {
 public:
  virtual ~Navigator() = default;
  virtual void show(FormId form) = 0;
};

}  // namespace numora
