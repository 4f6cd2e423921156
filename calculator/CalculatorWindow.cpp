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

Form16::Form16(const FormContext& context)
    : FormWindow(context, {.caption = u"الحاسبة",
                           .clientWidth = 4815,
                           .clientHeight = 4440,
                           .background = FormLook::Background::WindowFace,
                           .font = {"Tahoma", 8.25}}),
      state_(context.numerals) {
  setObjectName(QStringLiteral("Form16"));
  Text1 =
      addTextBox({"Text1",
                  u"",
                  120,
                  120,
                  4575,
                  375,
                  0,
                  {.accessibleName = u"شاشة الحاسبة", .description = u"العدد المكتوب والناتج"}});

  N = new QButtonGroup(this);
  for (int index = 0; index < 10; ++index) N->addButton(addButton(kDigitRows[index]), index);
  onClick(N, [this](int index) { N_Click(index); });
  End = new QButtonGroup(this);
  End->addButton(
      addButton({"End(10)", u"Exit", 120, 3000, 2175, 495, 11, {.accessibleName = u"خروج"}}), 10);
  onClick(End, [this](int index) { End_Click(index); });
  S = new QButtonGroup(this);
  for (int index = 0; index < 4; ++index) {
    S->addButton(addButton(kOperatorRows[index]), index);
    S->button(index)->setProperty("key", QStringLiteral("operator"));
  }
  onClick(S, [this](int index) { S_Click(index); });
  Command1 = new QButtonGroup(this);
  Command1->addButton(
      addButton(
          {"Command1(1)", u"Backspace", 2520, 3000, 2175, 495, 16, {.accessibleName = u"مسح"}}),
      1);
  onClick(Command1, [this](int index) { Command1_Click(index); });
  Command2 =
      addButton({"Command2", u".", 2520, 2400, 975, 495, 17, {.accessibleName = u"فاصلة عشرية"}});
  onClick(Command2, [this] { Command2_Click(); });
  Command5 = addButton({"Command5", u"=", 120, 2400, 975, 495, 18, {.accessibleName = u"يساوي"}});
  Command5->setProperty("key", QStringLiteral("operator"));
  onClick(Command5, [this] { Command5_Click(); });
  Back =
      addMainButton({"Back", u"الرئيسية", 0, 3720, 4815, 720, 19}, ReturnOrder::HideThenShowMain);
  End->button(10)->setProperty("key", QStringLiteral("wide"));
  Command1->button(1)->setProperty("key", QStringLiteral("wide"));
  finishLayout();
  // The keyboard works wherever the focus is in the window.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

QAbstractButton* Form16::keyButton(const QKeyEvent& key, bool inDisplay) const {
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Command5;
    case Qt::Key_Escape:
    case Qt::Key_Delete:
      return Command1->button(1);
    default:
      break;
  }
  const QString text = key.text();
  const std::optional<CalculatorKey> typed =
      text.size() == 1 ? KeyForCharacter(text.front().unicode()) : std::nullopt;
  if (!typed || (inDisplay && GoesInAsText(*typed, state_, View(Text1->text())))) return nullptr;
  return buttonFor(*typed);
}

QAbstractButton* Form16::buttonFor(const CalculatorKey& key) const {
  switch (key.kind) {
    case CalculatorKey::Kind::Digit:
      return N->button(
          static_cast<int>(std::ranges::find(kDigitButtonKeys, key) - kDigitButtonKeys.begin()));
    case CalculatorKey::Kind::Operator:
      return S->button(static_cast<int>(std::ranges::find(kOperatorButtonKeys, key) -
                                        kOperatorButtonKeys.begin()));
    case CalculatorKey::Kind::Point:
      return Command2;
    case CalculatorKey::Kind::Equals:
      return Command5;
    case CalculatorKey::Kind::ClearAll:
      return Command1->button(1);
  }
  return nullptr;
}

bool Form16::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto& key = *static_cast<QKeyEvent*>(event);
    const bool plain = (key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0;
    if (QAbstractButton* button = plain ? keyButton(key, watched == Text1) : nullptr) {
      if (!key.isAutoRepeat()) PressFromKeyboard(button);
      return true;
    }
  }
  return FormWindow::eventFilter(watched, event);
}

void Form16::press(CalculatorKey key) {
  state_.setDisplay(View(Text1->text()));
  const std::size_t notesBefore = state_.notes().size();
  state_.press(key);
  const QString shown = ToQString(state_.display());
  if (shown != Text1->text()) {
    Text1->setText(shown);
    ShowWhole(Text1);
    // A number being entered goes on at its end.
    if (!state_.awaitsNumber()) Text1->end(false);
  }
  QStringList notes;
  for (const std::u16string& note : state_.notes()) notes << ToQString(note);
  notes_.setNote(Text1, notes.join(u' '));

  // What a screen reader says: a result computed (by "=" or by an operator key that completes
  // the operation before it), and how the display was read where that is new.
  QString said;
  if (state_.computed()) said = QStringLiteral(u"الناتج ") + shown;
  if (state_.notes().size() > notesBefore)
    said += (said.isEmpty() ? QString() : QStringLiteral(" ")) + notes.last();
  announce(said);
}

void Form16::N_Click(int Index) { press(kDigitButtonKeys.at(Index)); }

void Form16::Command2_Click() { press(CalculatorKey::Point()); }

void Form16::S_Click(int Index) { press(kOperatorButtonKeys.at(Index)); }

void Form16::Command5_Click() { press(CalculatorKey::Equals()); }

void Form16::Command1_Click(int) {
  press(CalculatorKey::ClearAll());
  Text1->setFocus(Qt::OtherFocusReason);
}

void Form16::End_Click(int) { context().programEnd->endProgram(); }

QString Form16::faultSentence(const Fault& fault) const {
  return ToQString(CalculatorFaultSentence(fault.kind()));
}

// The skin is applied once, when the window is created and before it first shows, at the zoom
// of the moment; it follows the zoom's changes.
void Form16::load() {
  Skin1.setZoom(zoomFactor());
  Skin1.ApplySkin(winId());
}

void Form16::zoomed(double zoom) {
  Skin1.setZoom(zoom);
  ShowWholeAgain(Text1);  // in the display's font at the zoom, which the skin gives
}

}  // namespace numora
