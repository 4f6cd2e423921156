#pragma once

#include <string_view>
#include <vector>

#include "ui/solution/TopicWindow.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace numora {

// The temperature window: one box that holds the temperature and, after "احسب", its conversion
// in the direction of the selected option.
class Form15 final : public TopicWindow {
 public:
  explicit Form15(const FormContext& context);

  QLineEdit* Text1;       // the temperature; the converted one replaces it
  QRadioButton* Option1;  // "من سلسيوس إلى فهرنهايت": Celsius to Fahrenheit
  QRadioButton* Option2;  // "من فهرنهايت إلى سلسيوس": Fahrenheit to Celsius
  QPushButton* Command1;  // "احسب": runs Command1_Click
  QPushButton* Command2;  // "الرئيسية": back to the main menu
  QRadioButton* Option3;  // "من سلسيوس إلى كلفن": Celsius to Kelvin
  QRadioButton* Option4;  // "من كلفن إلى سلسيوس": Kelvin to Celsius
  QRadioButton* Option5;  // "من كلفن إلى فهرنهايت ": Kelvin to Fahrenheit
  QRadioButton* Option6;  // "من فهرنهايت إلى كلفن": Fahrenheit to Kelvin

  void Command1_Click();  // "احسب": converts Text1 in the selected option's direction, in place

 private:
  // A conversion chosen by its option, and the scale the box is read in.
  struct Direction {
    QRadioButton* option;
    const Formula* formula;
    std::u16string_view from;
  };
  std::vector<Direction> directions() const;

  bool refused_ = false;  // the last click asked for a conversion to be chosen
};

}  // namespace numora
