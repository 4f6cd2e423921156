#include "calculator/CalculatorWindow.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <optional>

#include "calculator/Keypad.h"
#include "numeric/Fault.h"
#include "ui/frame/FaultBox.h"
#include "ui/frame/Fields.h"
#include "ui/platform/Utf16Text.h"

namespace numora {
namespace {

// The key buttons' rows, in tab order; what each sends is the keypad's.
constexpr Control kDigitRows[] = {
    {"N(0)", u"0", 1320, 2400, 975, 495, 1}, {"N(1)", u"1", 120, 1800, 975, 495, 2},
    {"N(2)", u"2", 1320, 1800, 975, 495, 3}, {"N(3)", u"3", 2520, 1800, 975, 495, 4},
    {"N(4)", u"5", 1320, 1200, 975, 495, 5}, {"N(5)", u"4", 120, 1200, 975, 495, 6},
    {"N(6)", u"6", 2520, 1200, 975, 495, 7}, {"N(7)", u"7", 120, 600, 975, 495, 8},
    {"N(8)", u"8", 1320, 600, 975, 495, 9},  {"N(9)", u"9", 2520, 600, 975, 495, 10},
};
// A screen reader says what a key does, in words: its caption is a sign or an English word.
constexpr Control kOperatorRows[] = {
    {"S(0)", u"+", 3720, 600, 975, 495, 12, {.accessibleName = u"جمع"}},
    {"S(1)", u"*", 3720, 1800, 975, 495, 13, {.accessibleName = u"ضرب"}},
    {"S(2)", u"-", 3720, 1200, 975, 495, 14, {.accessibleName = u"طرح"}},
    {"S(3)", u"/", 3720, 2400, 975, 495, 15, {.accessibleName = u"قسمة"}},
};

}  // namespace

CalculatorWindow::CalculatorWindow(const FormContext& context)
    : FormWindow(context, {.caption = u"الحاسبة",
                           .clientWidth = 4815,
                           .clientHeight = 4440,
                           .background = FormLook::Background::WindowFace,
                           .font = {"Tahoma", 8.25}}),
      state_(context.numerals) {
  setObjectName(QStringLiteral("Form16"));
  display =
      addTextBox({"Text1",
                  u"",
                  120,
                  120,
                  4575,
                  375,
                  0,
                  {.accessibleName = u"شاشة الحاسبة", .description = u"العدد المكتوب والناتج"}});

  if (auto* bound = qobject_cast<const LengthBound*>(display->validator()))
    connect(bound, &LengthBound::cut, this, [this] {
      notes_.setNote(display, LengthBound::kCutNote);
      announce(LengthBound::kCutNote);
    });

  digitKeys = new QButtonGroup(this);
  for (int index = 0; index < 10; ++index)
    digitKeys->addButton(addButton(kDigitRows[index]), index);
  onClick(digitKeys, [this](int index) { typeDigit(index); });
  exitKeys = new QButtonGroup(this);
  exitKeys->addButton(
      addButton({"End(10)", u"Exit", 120, 3000, 2175, 495, 11, {.accessibleName = u"خروج"}}), 10);
  onClick(exitKeys, [this](int index) { endProgram(index); });
  operatorKeys = new QButtonGroup(this);
  for (int index = 0; index < 4; ++index) {
    operatorKeys->addButton(addButton(kOperatorRows[index]), index);
    operatorKeys->button(index)->setProperty("key", QStringLiteral("operator"));
  }
  onClick(operatorKeys, [this](int index) { pressOperator(index); });
  clearKeys = new QButtonGroup(this);
  clearKeys->addButton(
      addButton(
          {"Command1(1)", u"Backspace", 2520, 3000, 2175, 495, 16, {.accessibleName = u"مسح"}}),
      1);
  onClick(clearKeys, [this](int index) { clearAll(index); });
  pointKey =
      addButton({"Command2", u".", 2520, 2400, 975, 495, 17, {.accessibleName = u"فاصلة عشرية"}});
  onClick(pointKey, [this] { typePoint(); });
  equalsKey = addButton({"Command5", u"=", 120, 2400, 975, 495, 18, {.accessibleName = u"يساوي"}});
  equalsKey->setProperty("key", QStringLiteral("operator"));
  onClick(equalsKey, [this] { pressEquals(); });
  mainMenu =
      addMainButton({"Back", u"الرئيسية", 0, 3720, 4815, 720, 19}, ReturnOrder::HideThenShowMain);
  exitKeys->button(10)->setProperty("key", QStringLiteral("wide"));
  clearKeys->button(1)->setProperty("key", QStringLiteral("wide"));
  finishLayout();
  // The keyboard works wherever the focus is in the window.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

QAbstractButton* CalculatorWindow::keyButton(const QKeyEvent& key, bool inDisplay) const {
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return equalsKey;
    case Qt::Key_Escape:
    case Qt::Key_Delete:
      return clearKeys->button(1);
    default:
      break;
  }
  const QString text = key.text();
  const std::optional<CalculatorKey> typed =
      text.size() == 1 ? KeyForCharacter(text.front().unicode()) : std::nullopt;
  if (!typed || (inDisplay && GoesInAsText(*typed, state_, View(display->text())))) return nullptr;
  return buttonFor(*typed);
}

QAbstractButton* CalculatorWindow::buttonFor(const CalculatorKey& key) const {
  switch (key.kind) {
    case CalculatorKey::Kind::Digit:
      return digitKeys->button(
          static_cast<int>(std::ranges::find(kDigitButtonKeys, key) - kDigitButtonKeys.begin()));
    case CalculatorKey::Kind::Operator:
      return operatorKeys->button(static_cast<int>(std::ranges::find(kOperatorButtonKeys, key) -
                                                   kOperatorButtonKeys.begin()));
    case CalculatorKey::Kind::Point:
      return pointKey;
    case CalculatorKey::Kind::Equals:
      return equalsKey;
    case CalculatorKey::Kind::ClearAll:
      return clearKeys->button(1);
  }
  return nullptr;
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto& key = *static_cast<QKeyEvent*>(event);
    const bool plain = (key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0;
    if (QAbstractButton* button = plain ? keyButton(key, watched == display) : nullptr) {
      if (!key.isAutoRepeat()) PressFromKeyboard(button);
      return true;
    }
  }
  return FormWindow::eventFilter(watched, event);
}

void CalculatorWindow::press(CalculatorKey key) {
  const bool cut = LengthBound::Cut(display);
  state_.setDisplay(View(display->text()));
  const std::size_t notesBefore = state_.notes().size();
  state_.press(key);
  const QString shown = ToQString(state_.display());
  if (shown != display->text()) {
    display->setText(shown);
    ShowWhole(display);
    // A number being entered goes on at its end.
    if (!state_.awaitsNumber()) display->end(false);
  }
  QStringList notes;
  for (const std::u16string& note : state_.notes()) notes << ToQString(note);
  // A display cut to its bound says so with the notes of the number read from it.
  if (cut) notes.prepend(LengthBound::kCutNote);
  notes_.setNote(display, notes.join(u' '));

  // What a screen reader says: a result computed (by "=" or by an operator key that completes
  // the operation before it), and how the display was read where that is new.
  QString said;
  if (state_.computed()) said = QStringLiteral(u"الناتج ") + shown;
  if (state_.notes().size() > notesBefore)
    said += (said.isEmpty() ? QString() : QStringLiteral(" ")) + notes.last();
  announce(said);
}

void CalculatorWindow::typeDigit(int index) { press(kDigitButtonKeys.at(index)); }

void CalculatorWindow::typePoint() { press(CalculatorKey::Point()); }

void CalculatorWindow::pressOperator(int index) { press(kOperatorButtonKeys.at(index)); }

void CalculatorWindow::pressEquals() { press(CalculatorKey::Equals()); }

void CalculatorWindow::clearAll(int) {
  press(CalculatorKey::ClearAll());
  display->setFocus(Qt::OtherFocusReason);
}

void CalculatorWindow::endProgram(int) { context().programEnd->endProgram(); }

QString CalculatorWindow::faultSentence(const Fault& fault) const {
  return ToQString(CalculatorFaultSentence(fault.kind()));
}

// The skin is applied once, when the window is created and before it first shows, at the zoom
// of the moment; it follows the zoom's changes.
void CalculatorWindow::load() {
  skin.setZoom(zoomFactor());
  skin.ApplySkin(winId());
}

void CalculatorWindow::zoomed(double zoom) {
  skin.setZoom(zoom);
  ShowWholeAgain(display);  // in the display's font at the zoom, which the skin gives
}

}  // namespace numora
