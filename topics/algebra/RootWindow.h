#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The roots window: the index at the hook of a radical sign drawn for right-to-left reading, the
// radicand under its bar, and the root.
class Form2 final : public TopicWindow {
 public:
  explicit Form2(const FormContext& context);

  QLineEdit* Text1;       // the root's index, at the radical sign's hook
  QLineEdit* Text2;       // the radicand, under the radical sign's bar
  QPushButton* Command1;  // "احسب": runs Command1_Click
  QLabel* Label1;         // the result box: the root
  QPushButton* Command2;  // "الرئيسية": back to the main menu
  QLabel* Label2;         // caption "الناتج"

  void Command1_Click();  // "احسب": writes the Text1-th root of Text2 into Label1
};

}  // namespace numora
