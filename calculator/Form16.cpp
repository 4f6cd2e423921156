#include "calculator/Form16.h"

#include <QLineEdit>
#include <QPushButton>

#include "app/frame/Numbers.h"

namespace numora {

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

  // In tab order. N(4) is captioned "5" and N(5) "4": a key types its caption, not its index.
  const Control digits[] = {
      {"N(0)", u"0", 1320, 2400, 975, 495, 1}, {"N(1)", u"1", 120, 1800, 975, 495, 2},
      {"N(2)", u"2", 1320, 1800, 975, 495, 3}, {"N(3)", u"3", 2520, 1800, 975, 495, 4},
      {"N(4)", u"5", 1320, 1200, 975, 495, 5}, {"N(5)", u"4", 120, 1200, 975, 495, 6},
      {"N(6)", u"6", 2520, 1200, 975, 495, 7}, {"N(7)", u"7", 120, 600, 975, 495, 8},
      {"N(8)", u"8", 1320, 600, 975, 495, 9},  {"N(9)", u"9", 2520, 600, 975, 495, 10},
  };
  for (int index = 0; index < 10; ++index) {
    N.add(index, addButton(digits[index]));
    onClick(N(index), [this, index] { N_Click(index); });
  }
  End.add(10, addButton({"End(10)", u"Exit", 120, 3000, 2175, 495, 11}));
  onClick(End(10), [this] { End_Click(10); });
  const Control operators[] = {
      {"S(0)", u"+", 3720, 600, 975, 495, 12},
      {"S(1)", u"*", 3720, 1800, 975, 495, 13},
      {"S(2)", u"-", 3720, 1200, 975, 495, 14},
      {"S(3)", u"/", 3720, 2400, 975, 495, 15},
  };
  for (int index = 0; index < 4; ++index) {
    S.add(index, addButton(operators[index]));
    S(index)->setProperty("key", QStringLiteral("operator"));
    onClick(S(index), [this, index] { S_Click(index); });
  }
  Command1.add(1, addButton({"Command1(1)", u"Backspace", 2520, 3000, 2175, 495, 16}));
  onClick(Command1(1), [this] { Command1_Click(1); });
  Command2 = addButton({"Command2", u".", 2520, 2400, 975, 495, 17});
  onClick(Command2, [this] { Command2_Click(); });
  Command5 = addButton({"Command5", u"=", 120, 2400, 975, 495, 18});
  Command5->setProperty("key", QStringLiteral("operator"));
  onClick(Command5, [this] { Command5_Click(); });
  Back =
      addMainButton({"Back", u"الرئيسية", 0, 3720, 4815, 720, 19}, ReturnOrder::HideThenShowMain);
  End(10)->setProperty("key", QStringLiteral("wide"));
  Command1(1)->setProperty("key", QStringLiteral("wide"));
  finishLayout();

  run([this] { Form_Load(); });
}

template <typename Key>
void Form16::press(Key key) {
  state_.setDisplay(View(Text1->text()));
  key();
  const QString shown = ToQString(state_.display());
  if (shown != Text1->text()) Text1->setText(shown);
}

void Form16::N_Click(int Index) {
  press([this, Index] { state_.digit(View(N(Index)->text())); });
}

void Form16::Command2_Click() {
  press([this] { state_.point(); });
}

void Form16::S_Click(int Index) {
  press([this, Index] { state_.operatorKey(View(S(Index)->text())); });
}

void Form16::Command5_Click() {
  press([this] { state_.evaluate(); });
}

void Form16::Command1_Click(int) {
  press([this] { state_.clearAll(); });
  Text1->setFocus(Qt::OtherFocusReason);
}

void Form16::End_Click(int) { context().programEnd->endProgram(); }

// The skin is applied once, when the window is created and before it first shows.
void Form16::Form_Load() { Skin1.ApplySkin(winId()); }

}  // namespace numora
