#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The cylinder window: radius and height, then volume, lateral area and total area.
class Form12 final : public TopicWindow {
 public:
  explicit Form12(const FormContext& context);

  QLineEdit* Text1;       // the radius
  QLineEdit* Text2;       // the height
  QLabel* Label1;         // caption "نصف القطر"
  QLabel* Label2;         // caption "الارتفاع"
  QPushButton* Command1;  // "احسب": runs Command1_Click
  QLabel* Label3;         // the result box: the volume
  QPushButton* Command2;  // "الرئيسية": back to the main menu
  QLabel* Label4;         // caption "الحجم"
  QLabel* Label5;         // the result box: the lateral area
  QLabel* Label6;         // caption "المساحة الجانبية"
  QLabel* Label7;         // the result box: the total area
  QLabel* lblLabel8;      // caption "المساحة الكلية"

  void Command1_Click();  // "احسب": writes volume, lateral area and total area into their boxes
};

}  // namespace numora
