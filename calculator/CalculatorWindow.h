#pragma once

#include <memory>

#include "calculator/CalculatorState.h"
#include "calculator/Skin.h"
#include "ui/frame/Fields.h"
#include "ui/frame/FormWindow.h"

class QAbstractButton;
class QButtonGroup;
class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace numora {

// The pocket-calculator window: a display box, the keypad, and its skin.
class CalculatorWindow final : public FormWindow {
 public:
  explicit CalculatorWindow(const FormContext& context);

  QLineEdit* display;  // the number being typed, and the result
  // The layout's control arrays, each member by its index: digitKeys->button(4) is N(4).
  QButtonGroup* digitKeys;     // N(0)..N(9); N(4) is captioned "5", N(5) "4"
  QButtonGroup* operatorKeys;  // S(0) "+", S(1) "*", S(2) "-", S(3) "/"
  QButtonGroup* exitKeys;      // only End(10), "Exit": ends the program
  QButtonGroup* clearKeys;     // only Command1(1), "Backspace": clears everything
  QPushButton* pointKey;
  QPushButton* equalsKey;
  QPushButton* mainMenu;
  Skin skin;  // applied to this window by load()

  // Read access to the keypad's state machine.
  const CalculatorState& state() const { return state_; }

  void typeDigit(int index);      // types the digit on N(index)'s caption
  void pressOperator(int index);  // stores the number and S(index)'s operation
  void typePoint();
  void pressEquals();        // applies the pending operation
  void clearAll(int index);  // clears everything, then focuses the display
  void endProgram(int index);
  void load() override;
  // A key of the keyboard acts as a click on the key button it names.
  bool eventFilter(QObject* watched, QEvent* event) override;

 protected:
  QString faultSentence(const Fault& fault) const override;
  void zoomed(double zoom) override;

 private:
  // Runs one key on the state machine with the display box's current text, and shows the
  // display afterwards with the notes on how it was read; a fault leaves the box as it was. A
  // result computed, and a new note, are said to the screen reader.
  void press(CalculatorKey key);
  // The key button a keyboard key names, or nullptr; in the display box digits and points name
  // none, so that they go in as text.
  QAbstractButton* keyButton(const QKeyEvent& key, bool inDisplay) const;
  // The key button that sends a key.
  QAbstractButton* buttonFor(const CalculatorKey& key) const;

  CalculatorState state_;  // the calculator's state: display, stored operand, operation, point
  FieldNotes notes_;       // of the display
};

}  // namespace numora
