#include "calculator/Form16.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "app/frame/Utf16Text.h"

namespace numora {
namespace {

// A key button's row of the layout, with the key it sends to the state machine.
struct KeyRow {
  Control control;
  CalculatorKey key;
};

using Key = CalculatorKey;

// In tab order. N(4) is captioned "5" and N(5) "4": each button types the digit on its caption,
// not its index.
constexpr KeyRow kDigitKeys[] = {
    {{"N(0)", u"0", 1320, 2400, 975, 495, 1}, Key::Digit(0)},
    {{"N(1)", u"1", 120, 1800, 975, 495, 2}, Key::Digit(1)},
    {{"N(2)", u"2", 1320, 1800, 975, 495, 3}, Key::Digit(2)},
    {{"N(3)", u"3", 2520, 1800, 975, 495, 4}, Key::Digit(3)},
    {{"N(4)", u"5", 1320, 1200, 975, 495, 5}, Key::Digit(5)},
    {{"N(5)", u"4", 120, 1200, 975, 495, 6}, Key::Digit(4)},
    {{"N(6)", u"6", 2520, 1200, 975, 495, 7}, Key::Digit(6)},
    {{"N(7)", u"7", 120, 600, 975, 495, 8}, Key::Digit(7)},
    {{"N(8)", u"8", 1320, 600, 975, 495, 9}, Key::Digit(8)},
    {{"N(9)", u"9", 2520, 600, 975, 495, 10}, Key::Digit(9)},
};
constexpr KeyRow kOperatorKeys[] = {
    {{"S(0)", u"+", 3720, 600, 975, 495, 12}, Key::Operator(Operation::Add)},
    {{"S(1)", u"*", 3720, 1800, 975, 495, 13}, Key::Operator(Operation::Multiply)},
    {{"S(2)", u"-", 3720, 1200, 975, 495, 14}, Key::Operator(Operation::Subtract)},
    {{"S(3)", u"/", 3720, 2400, 975, 495, 15}, Key::Operator(Operation::Divide)},
};
constexpr KeyRow kClearAllKey = {{"Command1(1)", u"Backspace", 2520, 3000, 2175, 495, 16},
                                 Key::ClearAll()};
constexpr KeyRow kPointKey = {{"Command2", u".", 2520, 2400, 975, 495, 17}, Key::Point()};
constexpr KeyRow kEqualsKey = {{"Command5", u"=", 120, 2400, 975, 495, 18}, Key::Equals()};

}  // namespace

Form16::Form16(const FormContext& context)
    : FormWindow(context, {.caption = u"الحاسبة",
                           .clientWidth = 4815,
                           .clientHeight = 4440,
                           .background = FormLook::Background::WindowFace,
                           .font = {"Tahoma", 8.25}}),
      state_(context.decimalSeparator) {
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

  for (int index = 0; index < 10; ++index) {
    N.add(index, addButton(kDigitKeys[index].control));
    onClick(N(index), [this, index] { N_Click(index); });
  }
  End.add(10, addButton({"End(10)", u"Exit", 120, 3000, 2175, 495, 11}));
  onClick(End(10), [this] { End_Click(10); });
  for (int index = 0; index < 4; ++index) {
    S.add(index, addButton(kOperatorKeys[index].control));
    S(index)->setProperty("key", QStringLiteral("operator"));
    onClick(S(index), [this, index] { S_Click(index); });
  }
  Command1.add(1, addButton(kClearAllKey.control));
  onClick(Command1(1), [this] { Command1_Click(1); });
  Command2 = addButton(kPointKey.control);
  onClick(Command2, [this] { Command2_Click(); });
  Command5 = addButton(kEqualsKey.control);
  Command5->setProperty("key", QStringLiteral("operator"));
  onClick(Command5, [this] { Command5_Click(); });
  Back =
      addMainButton({"Back", u"الرئيسية", 0, 3720, 4815, 720, 19}, ReturnOrder::HideThenShowMain);
  End(10)->setProperty("key", QStringLiteral("wide"));
  Command1(1)->setProperty("key", QStringLiteral("wide"));
  finishLayout();
  // The keyboard works wherever the focus is in the window.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

QPushButton* Form16::keyButton(const QKeyEvent& key, bool inDisplay) const {
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Command5;
    case Qt::Key_Escape:
    case Qt::Key_Delete:
      return Command1(1);
    default:
      break;
  }
  const QString text = key.text();
  if (text.size() != 1) return nullptr;
  const char16_t c = text.front().unicode();
  const std::pair<char16_t, Operation> operators[] = {
      {u'+', Operation::Add},      {u'-', Operation::Subtract},
      {u'*', Operation::Multiply}, {u'\u00D7', Operation::Multiply},
      {u'/', Operation::Divide},   {u'\u00F7', Operation::Divide}};
  for (const auto& [character, operation] : operators) {
    if (c != character) continue;
    for (int index = 0; index < 4; ++index)
      if (kOperatorKeys[index].key.operation == operation) return S(index);
  }
  if (c == u'=') return Command5;
  // In the display box digits and points go in as text, except the first of a new number after
  // an operator key or "=", which takes the place of the number shown as its key does.
  if (inDisplay && !(state_.awaitsNumber() && View(Text1->text()) == state_.display()))
    return nullptr;
  if (c == u'.' || c == u',' || c == u'\u066B') return Command2;
  int digit = -1;
  for (const char16_t zero : {u'0', u'\u0660', u'\u06F0'})
    if (c >= zero && c <= zero + 9) digit = c - zero;
  for (int index = 0; digit >= 0 && index < 10; ++index)
    if (kDigitKeys[index].key.digit == digit) return N(index);
  return nullptr;
}

bool Form16::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto& key = *static_cast<QKeyEvent*>(event);
    const bool plain = (key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0;
    if (QPushButton* button = plain ? keyButton(key, watched == Text1) : nullptr) {
      if (!key.isAutoRepeat()) PressFromKeyboard(button);
      return true;
    }
  }
  return FormWindow::eventFilter(watched, event);
}

void Form16::press(CalculatorKey key) {
  during(Step::Calculator);
  state_.setDisplay(View(Text1->text()));
  state_.press(key);
  const QString shown = ToQString(state_.display());
  if (shown != Text1->text()) {
    Text1->setText(shown);
    ShowWhole(Text1);
    // A number being entered goes on at its end.
    if (!state_.awaitsNumber()) Text1->end(false);
  }
}

void Form16::N_Click(int Index) { press(kDigitKeys[Index].key); }

void Form16::Command2_Click() { press(kPointKey.key); }

void Form16::S_Click(int Index) { press(kOperatorKeys[Index].key); }

void Form16::Command5_Click() { press(kEqualsKey.key); }

void Form16::Command1_Click(int) {
  press(kClearAllKey.key);
  Text1->setFocus(Qt::OtherFocusReason);
}

void Form16::End_Click(int) { context().programEnd->endProgram(); }

// The skin is applied once, when the window is created and before it first shows.
void Form16::Form_Load() { Skin1.ApplySkin(winId()); }

}  // namespace numora
