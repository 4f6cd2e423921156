#pragma once

#include <QString>
#include <functional>

#include "numeric/NumberWriting.h"

class QWidget;

namespace numora {

class Choices;
class Zoom;
class FormulaSetting;

// Ending the program: every window disappears at once and the process leaves its event loop;
// no handler of any window runs afterwards. Tests put a recorder in its place.
class ProgramEnd {
 public:
  virtual ~ProgramEnd() = default;
  virtual void endProgram() = 0;
};

struct Message {
  enum class Icon { None, Critical, Question };
  QString caption;
  QString text;
  Icon icon = Icon::None;
};

// Modal message boxes: a message with one OK button, or a question answered yes or no. Each
// returns when the user has dismissed the box.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void show(const Message& message) = 0;
  // True when the user answered yes; no is the button a key press gives at once.
  virtual bool ask(const Message& question) = 0;
};

// What every window is given by the program that creates it.
struct FormContext {
  // Shows the main menu, creating it on first use.
  std::function<void()> showMainMenu;
  ProgramEnd* programEnd = nullptr;
  MessageBoxes* messages = nullptr;
  // The digits and decimal separator of the user's regional settings, read once at start-up.
  Numerals numerals;
  // The program's zoom, which the window follows; none: the window stays at 100 %.
  Zoom* zoom = nullptr;
  // The direction formulas are set in, which every window follows; none: left to right.
  FormulaSetting* formulas = nullptr;
  // Opens the worksheet of a topic window's exercises, for the window that asks; none: the
  // program prints no worksheets.
  std::function<void(QWidget& window)> openWorksheet;
  // Opens the program's help, which F1 asks for in every window; none: F1 does nothing.
  std::function<void()> openHelp;
  // Opens the settings window, which Ctrl+, asks for in every window; none: the key does nothing.
  std::function<void()> openSettings;
  // The choices kept for the next run: whether the solution panel opens at the first calculation
  // and the practice level; none: the panel opens and practice begins at the easiest level.
  Choices* choices = nullptr;
};

// The caption of every message box.
inline const QString kProgramTitle = QStringLiteral("Numora");

}  // namespace numora
