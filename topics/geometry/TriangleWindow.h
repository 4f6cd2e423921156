#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The triangle window: the height beside the apex, the base below, and the area.
class Form8 final : public TopicWindow {
 public:
  explicit Form8(const FormContext& context);

  QLineEdit* Text1;       // the height, beside the apex
  QLineEdit* Text2;       // the base's length, below the base
  QLabel* Label1;         // caption "طول القاعدة"
  QLabel* Label2;         // caption "الارتفاع"
  QLabel* Label3;         // the result box: the area
  QPushButton* Command1;  // "احسب": runs Command1_Click
  QPushButton* Command2;  // "الرئيسية": back to the main menu
  QLabel* Label4;         // caption "المساحة"

  void Command1_Click();  // "احسب": writes the triangle's area into Label3
};

}  // namespace numora
