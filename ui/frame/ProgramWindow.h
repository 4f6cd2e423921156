#pragma once

#include <QWidget>

namespace numora {

// Centres a window on its screen; one larger than the screen shows its top left corner.
void CentreOnScreen(QWidget& window);

// A window the whole program shares, such as the help or the settings: centred when it first
// opens, shown again where the pupil put it afterwards, centred again when the zoom resizes it.
class ProgramWindow : public QWidget {
 public:
  using QWidget::QWidget;

  // Shows the window in front of the others, with the keyboard's focus.
  void open();

 protected:
  // After the zoom has resized the window: back in the middle, once it has been placed there.
  void resized();
  // Where the keyboard's focus goes when the window opens without one.
  virtual void focusFirst() {}

 private:
  bool placed_ = false;
};

}  // namespace numora
