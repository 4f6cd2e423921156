#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "ui/frame/ControlBuilder.h"
#include "ui/frame/Controls.h"
#include "ui/frame/Drawing.h"
#include "ui/frame/Services.h"

class QAbstractButton;
class QButtonGroup;
class QMenuBar;
class QPushButton;

namespace numora {

class Announcer;
class Fault;
class Zoom;

// How a window looks, as its row in the table of windows gives it.
struct FormLook {
  enum class Frame { SingleLine, Dialog, None };
  enum class Background {
    ToolTip,     // the pale tool-tip colour of the user's colour scheme
    Desktop,     // covered by a picture
    WindowFace,  // the dialog face colour
  };
  const char16_t* caption;
  int clientWidth;  // twips
  int clientHeight;
  Frame frame = Frame::SingleLine;
  Background background = Background::ToolTip;
  bool taskbarButton = true;
  FontSpec font = {};
};

// The order of the two steps of a window's "الرئيسية" button.
enum class ReturnOrder { ShowMainThenHide, HideThenShowMain };

// The window every form shares: fixed size, centred on first show, closing ends the program, its
// controls built from its layout rows (ControlBuilder), Enter pressing a focused button, and
// handlers run through the one place where a fault or a failure becomes a box. It follows the
// program's zoom (Zoom.h): made at the zoom of the moment, it is drawn again at each change, its
// fixed size the layout's times the zoom, and centred again on its screen. F1 opens the program's
// help and Ctrl+, its settings, where the program has them.
class FormWindow : public QWidget, protected ControlBuilder {
 public:
  FormWindow(const FormContext& context, const FormLook& look);
  ~FormWindow() override;

  const FormLook& look() const { return look_; }
  using ControlBuilder::clientArea;

  // Runs a handler: a fault or a failure inside it shows its box and the program goes on.
  void run(const std::function<void()>& handler);

  // The window's load handler, run once through run() by the registry after the window is in
  // its slot, so that a box it shows finds the window in place.
  virtual void load() {}

  // Says a sentence to the pupil's screen reader at once (Announcer); the last one said.
  void announce(const QString& sentence);
  QString announced() const;

  // The zoom the window follows, or null; and the factor it is drawn at.
  Zoom* zoom() const { return context_.zoom; }
  double zoomFactor() const { return controlsZoom(); }

 protected:
  const FormContext& context() const { return context_; }

  // The "الرئيسية" button with its order of steps. Escape presses it too, unless a control
  // takes Escape for itself (the calculator clears with it).
  QPushButton* addMainButton(const Control& row, ReturnOrder order);
  void setMenuBar(QMenuBar* menuBar);

  // Connects a button's click, or a control array's clicks with the member's index, to a handler
  // through run().
  void onClick(QAbstractButton* button, std::function<void()> handler);
  void onClick(QButtonGroup* array, std::function<void(int index)> handler);

  // The plain sentence that opens the box of a fault raised in one of the window's handlers.
  virtual QString faultSentence(const Fault& fault) const;

  // Every window ends the program when it is closed.
  void unload();

  // Enter and the keypad's Enter press a focused push button, as Space does, and in a text box
  // the window's button for Enter (setEnterButton), where it has one and the box was given this
  // window's key filter.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void setEnterButton(QAbstractButton* button) { enterButton_ = button; }

  // What a window draws itself beyond its layout rows, at a new zoom; called once the window's
  // font, its client area and its controls have changed, before it is placed on its screen.
  virtual void zoomed(double) {}
  // Centres the window on its screen; one larger than the screen shows its top left corner.
  virtual void placeOnScreen();
  // A key standing for a button: its click handler at once, the button shown pressed a moment.
  static void PressFromKeyboard(QAbstractButton* button);

  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void zoomTo(double zoom);

  FormContext context_;
  FormLook look_;
  bool centred_ = false;
  QPushButton* mainButton_ = nullptr;
  QAbstractButton* enterButton_ = nullptr;
  Announcer* announcer_ = nullptr;
};

}  // namespace numora
