#pragma once

#include <array>

#include "ui/solution/TopicWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The quadratic-equation window: the equation as a row of boxes read from right to left,
// A س² + B س + C = صفر, and its two real roots in the frame "الناتج".
class QuadraticWindow final : public TopicWindow {
 public:
  explicit QuadraticWindow(const FormContext& context);

  QLineEdit* coefficientA;  // of س²
  QLineEdit* coefficientB;  // of س
  QLineEdit* constantC;
  QPushButton* calculate;
  QGroupBox* rootsFrame;
  QLineEdit* firstRoot;   // with −√d
  QLineEdit* secondRoot;  // with +√d
  // The captions "= س" before the first and the second root, the layout's control array Label7.
  std::array<QLabel*, 2> rootCaptions;
  QLabel* orCaption;  // "أو", between the two roots
  QPushButton* mainMenu;

  // Writes the two roots; with no real root it shows the message "المعادلة لاتحل" instead.
  void solve();
};

}  // namespace numora
