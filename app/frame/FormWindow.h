#pragma once

#include <QWidget>
#include <functional>
#include <list>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "app/frame/Controls.h"
#include "app/frame/Drawing.h"
#include "app/frame/FaultBox.h"
#include "app/frame/Fields.h"
#include "app/frame/Services.h"
#include "numeric/Arithmetic.h"
#include "numeric/Working.h"

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace numora {

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

// A group of like controls that share one click handler, which is told the member's index:
// N(4) is the member with index 4.
template <typename Widget>
class ControlArray {
 public:
  Widget* operator()(int index) const { return members_.at(index); }
  void add(int index, Widget* member) { members_[index] = member; }

 private:
  std::map<int, Widget*> members_;
};

// The order of the two steps of a window's "الرئيسية" button.
enum class ReturnOrder { ShowMainThenHide, HideThenShowMain };

// The frame every window shares: fixed size, centred on first show, closing ends the program,
// controls built from layout rows, figures drawn below the controls, and handlers run through
// the one place where faults become a box.
class FormWindow : public QWidget {
 public:
  FormWindow(const FormContext& context, const FormLook& look);
  ~FormWindow() override;

  const FormLook& look() const { return look_; }
  ClientArea* clientArea() const { return client_; }

  // Runs a handler: a fault or a failure inside it shows its box and the program goes on.
  void run(const std::function<void()>& handler);

  // The window's load handler, run once through run() by the registry after the window is in
  // its slot, so that a box it shows finds the window in place.
  virtual void Form_Load() {}

 protected:
  const FormContext& context() const { return context_; }

  QPushButton* addButton(const Control& row, QWidget* container = nullptr);
  QLineEdit* addTextBox(const Control& row, QWidget* container = nullptr);
  QLabel* addLabel(const Control& row, QWidget* container = nullptr);
  QRadioButton* addOption(const Control& row, QWidget* container = nullptr);
  QGroupBox* addFrame(const Control& row);
  QProgressBar* addProgressBar(const Control& row);
  // The "الرئيسية" button with its order of steps.
  QPushButton* addMainButton(const Control& row, ReturnOrder order);
  void setMenuBar(QMenuBar* menuBar);

  void addPicture(const char* resource, int left, int top, int width, int height);
  void addLine(int x1, int y1, int x2, int y2, int widthPixels = 1, QColor colour = {});
  void addShape(Shape::Kind kind, int left, int top, int width, int height, int widthPixels = 1);

  // Chains the tab order of the focusable controls by their tab index and puts the focus on the
  // first of them. Called once, after the last control is added.
  void finishLayout();

  // A box's number, read leniently with the locale's decimal separator. A box whose text was not
  // read whole (empty, no number, text after the number) is marked, with a note that says which
  // number was used and what was ignored; the mark goes when the box is edited.
  double read(QLineEdit* box);
  // A length: read the same way, and a negative one is computed as it stands but noted.
  double readLength(QLineEdit* box);
  // A number as the window writes it.
  QString numberText(double value) const;
  // Adds a note to a box read in the calculation under way.
  void noteInput(QLineEdit* box, const QString& note);

  // Tests a result for faults and writes its text, all of it in view (see ShowWhole); a fault
  // stops the calculation. Completes the result's working, when one is expected.
  void write(QLabel* label, Checked result);
  void write(QLineEdit* box, Checked result);

  // The working behind a result field, shown as its tooltip and accessible description. Before
  // any calculation it is the formula in words.
  void showFormula(QWidget* result, std::u16string_view formula);
  // The working of the calculation under way for a result, with the pupil's numbers; the
  // handler may add values computed on the way. write() completes it with the result; a fault
  // that stops the calculation first completes it with the reason.
  Working& expect(QWidget* result, Working working);
  // A result that the calculation under way leaves out, and why; it is emptied.
  void notComputed(QWidget* result, std::u16string_view why);

  // The window's calculate button. Its click runs a calculation: the handler through run(), and
  // around it what every calculation does. The results are up to date again, every result that
  // a fault stops before it is written is emptied (never a box the calculation read), and once
  // the results are computed, editing a box that was read shows them as out of date until the
  // next calculation.
  void onCalculate(QPushButton* button, std::function<void()> handler);
  // The step under way in a handler, for the sentence of a fault's box.
  void during(Step step, const QString& subject = {});
  // The step that computes a measure of a figure, named as its formula names it.
  void measuring(QWidget* result);

  // Connects a button's click to a handler through run().
  void onClick(QAbstractButton* button, std::function<void()> handler);

  // Every window ends the program when it is closed.
  void Form_Unload();

  // Enter and the keypad's Enter press a focused push button, as Space does; no button is a
  // default button, so Enter in a text box does nothing.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A key standing for a button: its click handler at once, the button shown pressed a moment.
  static void PressFromKeyboard(QAbstractButton* button);

  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void place(QWidget* widget, const Control& row, bool takesFocus);
  void showWorking(QWidget* result, const std::u16string& text);
  // Writes a result field's text, all of it in view; the window's own writing is no edit.
  void setFieldText(QWidget* result, const QString& text);
  void empty(QWidget* result);
  // Takes a result out of the calculation under way, with its working; false if not expected.
  bool takeExpected(QWidget* result, Working& working);
  // A failure that is no fault: its box, and the results it stopped.
  void failed(const QString& what);
  void inputEdited(QLineEdit* box);
  // After a fault: every result still expected says that it was not computed, and why.
  void stopWorking(std::u16string_view why);

  FormContext context_;
  FormLook look_;
  ClientArea* client_;
  bool centred_ = false;
  std::vector<std::pair<int, QWidget*>> tabStops_;
  std::list<std::pair<QWidget*, Working>> expected_;  // a handler keeps references into it
  std::map<QWidget*, std::u16string> formulas_;       // each result's formula in words
  std::set<QLineEdit*> readBoxes_;                    // every box a calculation has read
  FieldNotes notes_;
  QPushButton* calculateButton_ = nullptr;
  bool computed_ = false;  // results stand that an edited box would make out of date
  bool writing_ = false;   // the window is writing a box itself
  Step step_ = Step::None;
  QString stepSubject_;
};

}  // namespace numora
