#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The circle window: the radius, then the area and the circumference.
class Form5 final : public TopicWindow {
 public:
  explicit Form5(const FormContext& context);

  QLineEdit* Text1;       // the radius
  QLabel* Label1;         // caption "نصف القطر"
  QPushButton* Command1;  // "احسب": runs Command1_Click
  QPushButton* Command2;  // "الرئيسية": back to the main menu
  QLabel* Label2;         // the result box: the area
  QLabel* Label3;         // the result box: the circumference
  QLabel* Label4;         // caption "مساحة الدائرة"
  QLabel* Label5;         // caption "محيط الدائرة"

  void Command1_Click();  // "احسب": writes the area into Label2, the circumference into Label3
};

}  // namespace numora
