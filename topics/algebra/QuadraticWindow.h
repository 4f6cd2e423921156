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
class Form13 final : public TopicWindow {
 public:
  explicit Form13(const FormContext& context);

  QLineEdit* Text1;       // the coefficient A, of س²
  QLabel* Label1;         // caption "س", after A
  QLabel* Label2;         // caption "2", the exponent of the first س
  QLineEdit* Text2;       // the coefficient B, of س
  QLabel* Label3;         // caption "س", after B
  QLineEdit* Text3;       // the constant C
  QLabel* Label4;         // caption "A", over Text1
  QLabel* Label5;         // caption "B", over Text2
  QLabel* Label6;         // caption "C", over Text3
  QPushButton* Command1;  // "حساب": runs Command1_Click
  QGroupBox* Frame1;      // the frame "الناتج" that holds the two roots
  QLineEdit* Text4;       // the first root's box, with −√d
  QLineEdit* Text5;       // the second root's box, with +√d
  // The control array of captions "= س" before the roots: [0] the first, [1] the second.
  std::array<QLabel*, 2> Label7;
  QLabel* Label8;         // caption "أو", between the two roots
  QPushButton* Command2;  // "الرئيسية": back to the main menu
  QLabel* Label9;         // caption "صفر", the right-hand side of the equation

  // "حساب": writes the two roots into Text4 and Text5; with no real root it shows the message
  // "المعادلة لاتحل" instead.
  void Command1_Click();
};

}  // namespace numora
