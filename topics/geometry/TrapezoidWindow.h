#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The trapezoid window: two bases and the height, and the area.
class Form4 final : public TopicWindow {
 public:
  explicit Form4(const FormContext& context);

  QLineEdit* Text1;       // the first base's length, above the top side
  QLineEdit* Text2;       // the second base's length, below the bottom side
  QLineEdit* Text3;       // the height
  QLabel* Label1;         // caption "الارتفاع"
  QLabel* Label2;         // caption "طول القاعدة الاولى"
  QLabel* Label3;         // caption "طول القاعدة الثانية"
  QLabel* Label4;         // the result box: the area
  QPushButton* Command1;  // "احسب": runs Command1_Click
  QPushButton* Command2;  // "الرئيسية": back to the main menu
  QLabel* Label5;         // caption "المساحة"

  void Command1_Click();  // "احسب": writes the trapezoid's area into Label4
};

}  // namespace numora
