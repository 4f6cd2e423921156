#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The cuboid or cube window: width, height and length, then total area, volume and lateral area.
class Form7 final : public TopicWindow {
 public:
  explicit Form7(const FormContext& context);

  QLineEdit* Text1;       // the width
  QLineEdit* Text2;       // the height
  QLineEdit* Text3;       // the length
  QPushButton* Command1;  // "احسب": runs Command1_Click
  QPushButton* Command2;  // "الرئيسية": back to the main menu
  QLabel* Label1;         // caption "الارتفاع"
  QLabel* Label2;         // caption "العرض"
  QLabel* Label3;         // caption "الطول"
  QLabel* Label4;         // the result box: the total area
  QLabel* Label5;         // the result box: the volume
  QLabel* Label6;         // caption "المساحة الكلية"
  QLabel* Label7;         // caption "الحجم"
  QLabel* Label8;         // the result box: the lateral area
  QLabel* lblLabel9;      // caption "المساحة الجانبية"

  void Command1_Click();  // "احسب": writes total area, volume and lateral area into their boxes
};

}  // namespace numora
