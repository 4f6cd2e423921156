#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "ui/solution/TopicWindow.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace numora {

// The temperature window: one box that holds the temperature and, after "احسب", its conversion
// in the direction of the selected option.
class TemperatureWindow final : public TopicWindow {
 public:
  explicit TemperatureWindow(const FormContext& context);

  QLineEdit* temperature;  // the converted temperature replaces the typed one
  QRadioButton* celsiusToFahrenheit;
  QRadioButton* fahrenheitToCelsius;
  QPushButton* calculate;
  QPushButton* mainMenu;
  QRadioButton* celsiusToKelvin;
  QRadioButton* kelvinToCelsius;
  QRadioButton* kelvinToFahrenheit;
  QRadioButton* fahrenheitToKelvin;

  void convert();  // converts the temperature in the selected option's direction, in place

  // An exercise's conversion is chosen by its option.
  std::function<void()> prepare(const Exercise& exercise) override;

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
