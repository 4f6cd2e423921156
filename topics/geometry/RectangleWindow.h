#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The rectangle or square window: width and length, then area, diagonal and perimeter.
class Form6 final : public TopicWindow {
 public:
  explicit Form6(const FormContext& context);

  QLineEdit* Text1;       // the width
  QLineEdit* Text2;       // the length
  QLabel* Label1;         // caption "العرض"
  QLabel* Label2;         // caption "الطول"
  QPushButton* Command1;  // "احسب": runs Command1_Click
  QPushButton* Command2;  // "الرئيسية": back to the main menu
  QLabel* Label3;         // the result box: the area
  QLabel* Label4;         // caption "المساحة"
  QLabel* Label5;         // the result box: the diagonal
  QLabel* Label6;         // caption "طول الوتر", over the diagonal's box
  QLabel* Label7;         // the result box: the perimeter
  QLabel* lblLabel8;      // caption "المحيط"

  void Command1_Click();  // "احسب": writes area, diagonal and perimeter into their boxes
};

}  // namespace numora
