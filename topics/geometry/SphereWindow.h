#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The sphere window: the radius, then the surface area and the volume. Here "احسب" is Command2
// and "الرئيسية" Command1.
class Form9 final : public TopicWindow {
 public:
  explicit Form9(const FormContext& context);

  QLabel* Label1;         // caption "كرة", inside the drawn sphere
  QLineEdit* Text1;       // the radius
  QLabel* Label2;         // caption "نصف القطر"
  QPushButton* Command1;  // "الرئيسية": back to the main menu
  QPushButton* Command2;  // "احسب": runs Command2_Click
  QLabel* Label3;         // the result box: the surface area
  QLabel* Label4;         // the result box: the volume
  QLabel* Label5;         // caption "مساحة الكرة"
  QLabel* Label6;         // caption "حجم اكرة"

  void Command2_Click();  // "احسب": writes the surface area into Label3, the volume into Label4
};

}  // namespace numora
