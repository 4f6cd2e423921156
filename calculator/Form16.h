#pragma once

#include <memory>

#include "app/frame/FormWindow.h"
#include "calculator/CalculatorState.h"
#include "calculator/Skin.h"

class QLineEdit;
class QPushButton;

namespace numora {

// The pocket calculator: a display box, the keypad, and its skin.
class Form16 final : public FormWindow {
 public:
  explicit Form16(const FormContext& context);

  QLineEdit* Text1;
  ControlArray<QPushButton> N;
  ControlArray<QPushButton> S;
  ControlArray<QPushButton> End;
  ControlArray<QPushButton> Command1;
  QPushButton* Command2;
  QPushButton* Command5;
  QPushButton* Back;
  Skin Skin1;

  const CalculatorState& state() const { return state_; }

  void N_Click(int Index);
  void S_Click(int Index);
  void Command2_Click();
  void Command5_Click();
  void Command1_Click(int Index);
  void End_Click(int Index);
  void Form_Load();

 private:
  // Runs one key on the state machine with the display box's current text, and shows the
  // display afterwards; a fault leaves the box as it was.
  template <typename Key>
  void press(Key key);

  CalculatorState state_;
};

}  // namespace numora
