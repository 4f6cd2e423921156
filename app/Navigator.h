#pragma once

namespace numora {

enum class FormId {
  Form1 = 1,
  Form2,
  Form3,
  Form4,
  Form5,
  Form6,
  Form7,
  Form8,
  Form9,
  Form10,
  Form11,
  Form12,
  Form13,
  Form14,
  Form15,
  Form16,
};
constexpr int kFormCount = 16;

// Opens and hides windows by name; a window is created the first time it is shown or hidden.
class Navigator {
 public:
  virtual ~Navigator() = default;
  virtual void show(FormId form) = 0;
  virtual void hide(FormId form) = 0;
};

}  // namespace numora
