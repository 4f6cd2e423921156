// The roots, powers, Pythagorean theorem and quadratic windows from typed text: what each shows,
// under either decimal separator; faults and the quadratic's own message, which leave the last
// result and the typed text while the window goes on; the quadratic's first root standing when the
// second faults; the powers' texts across a visit to the main menu; the quadratic's tab order; what
// assistive technology is told; the frame and the painted figures.
#include <QClipboard>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QtTest>
#include <algorithm>
#include <ranges>

#include "tests/windows/Harness.h"
#include "topics/algebra/PowerWindow.h"
#include "topics/algebra/QuadraticWindow.h"

using namespace numora;
using numora::testing::Calculate;
using numora::testing::Program;
using numora::testing::Shown;
using numora::testing::Solve;
using numora::testing::Type;

namespace {

// Typed inputs and what the window then shows, for one window.
struct Case {
  FormId id;
  QStringList inputs;
  QStringList shown;
};

// For each window, inputs whose result no row of the fault table shows before its fault.
const Case kAfterAFault[] = {
    {FormId::Form2, {"Text1", "2", "Text2", "9"}, {"Label1", "3"}},
    {FormId::Form3, {"Text1", "3", "Text2", "2"}, {"Label1", "9"}},
    {FormId::Form11, {"Text1", "6", "Text2", "8"}, {"Label1", "10"}},
    {FormId::Form13, {"Text1", "1", "Text2", "0", "Text3", "-4"}, {"Text4", "-2", "Text5", "2"}},
};

}  // namespace

class AlgebraWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void eachWindowShowsWhatItComputes_data();
  void eachWindowShowsWhatItComputes();
  void resultsAndInputsTakeTheUsersSeparator();
  void aFaultEmptiesTheResultsItStopped_data();
  void aFaultEmptiesTheResultsItStopped();
  void quadraticMessageEmptiesTheRoots();
  void quadraticKeepsItsFirstRootWhenTheSecondFaults();
  void powersKeepTheirTextAcrossAVisitToTheMainMenu();
  void quadraticTabsThroughItsBoxes();
  void enterCalculatesOrPressesTheFocusedButton();
  void aResultCopiedAndPastedReadsTheSame();
  void boxesAndResultsAreNamedForAssistiveTechnology();
  void quadraticRootsSitInTheirFrame();
};

// Each box reaches its quantity and each result its field: one row per window, with inputs
// that give another result when two boxes are swapped. The formulas' arithmetic is tested
// without windows.
void AlgebraWindowsTest::eachWindowShowsWhatItComputes_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<QStringList>("inputs");
  QTest::addColumn<QStringList>("shown");
  QTest::newRow("roots") << FormId::Form2 << QStringList{"Text1", "3", "Text2", "-27"}
                         << QStringList{"Label1", "-3"};
  QTest::newRow("powers") << FormId::Form3 << QStringList{"Text1", "2", "Text2", "10"}
                          << QStringList{"Label1", "1024"};
  QTest::newRow("Pythagoras") << FormId::Form11 << QStringList{"Text1", "5", "Text2", "12"}
                              << QStringList{"Label1", "13"};
  QTest::newRow("quadratic") << FormId::Form13
                             << QStringList{"Text1", "2", "Text2", "3", "Text3", "1"}
                             << QStringList{"Text4", "-1", "Text5", "-0.5"};
}

void AlgebraWindowsTest::eachWindowShowsWhatItComputes() {
  QFETCH(FormId, id);
  QFETCH(QStringList, inputs);
  QFETCH(QStringList, shown);
  Program program;
  QVERIFY(Solve(program, id, inputs));
  FormWindow& window = program.registry.form(id);
  QVERIFY(program.messages.shown.empty());
  QCOMPARE(Shown(window, shown), shown);
}

void AlgebraWindowsTest::resultsAndInputsTakeTheUsersSeparator() {
  Program program(u',');
  const Case cases[] = {
      {FormId::Form2, {"Text1", "-2", "Text2", "4"}, {"Label1", "0,5"}},
      {FormId::Form11, {"Text1", "1.5", "Text2", "2"}, {"Label1", "2,5"}},
      {FormId::Form13,
       {"Text1", "2", "Text2", "3", "Text3", "1"},
       {"Text4", "-1", "Text5", "-0,5"}},
      // The user's separator is a decimal point in the boxes too: "0,5" reads as a half, so that
      // a result written "2,5" reads back as the same number.
      {FormId::Form13,
       {"Text1", "1", "Text2", "0,5", "Text3", "-1"},
       {"Text4", "-1,28077640640442", "Text5", "0,780776406404415"}},
      {FormId::Form11, {"Text1", "1,5", "Text2", "2"}, {"Label1", "2,5"}},
  };
  for (const Case& one : cases) {
    QVERIFY(Solve(program, one.id, one.inputs));
    FormWindow& window = program.registry.form(one.id);
    QCOMPARE(Shown(window, one.shown), one.shown);
  }
  QVERIFY(program.messages.shown.empty());
}

// A fault after a computed click, once per window: the faults of each formula and their numbers
// are tested without windows, every window's fault box in the fault paths' test.
void AlgebraWindowsTest::aFaultEmptiesTheResultsItStopped_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<QStringList>("before");
  QTest::addColumn<QStringList>("faulty");
  QTest::addColumn<int>("number");
  QTest::addColumn<QStringList>("shown");
  QTest::newRow("fractional index, negative radicand")
      << FormId::Form2 << QStringList{"Text1", "3", "Text2", "-27"}
      << QStringList{"Text1", "2.5", "Text2", "-4"} << 5 << QStringList{"Label1", "-3"};
  auto powers = [](const char* tag, const char* base, const char* exponent, int number) {
    QTest::newRow(tag) << FormId::Form3 << QStringList{"Text1", "2", "Text2", "3"}
                       << QStringList{"Text1", base, "Text2", exponent} << number
                       << QStringList{"Label1", "8"};
  };
  powers("zero to a negative power", "0", "-1", 11);
  QTest::newRow("sum of squares beyond the range")
      << FormId::Form11 << QStringList{"Text1", "3", "Text2", "4"}
      << QStringList{"Text1", "1.2e154", "Text2", "1.2e154"} << 6 << QStringList{"Label1", "5"};
  QTest::newRow("a = 0 and b > 0: the first root divides by 0")
      << FormId::Form13 << QStringList{"Text1", "2", "Text2", "3", "Text3", "1"}
      << QStringList{"Text1", ""} << 11 << QStringList{"Text4", "-1", "Text5", "-0.5"};
}

void AlgebraWindowsTest::aFaultEmptiesTheResultsItStopped() {
  QFETCH(FormId, id);
  QFETCH(QStringList, before);
  QFETCH(QStringList, faulty);
  QFETCH(int, number);
  QFETCH(QStringList, shown);
  Program program;
  QVERIFY(Solve(program, id, before));
  FormWindow& window = program.registry.form(id);
  QVERIFY(program.messages.shown.empty());
  QCOMPARE(Shown(window, shown), shown);
  QVERIFY(Type(window, faulty));
  Calculate(program, id);
  QCOMPARE(program.messages.shown.size(), std::size_t{1});
  const Message& box = program.messages.shown[0];
  QCOMPARE(box.caption, QStringLiteral("Numora"));
  QVERIFY2(box.text.contains(QString::number(number) + ":"), qPrintable(box.text));
  // No result of the earlier numbers stays beside the new ones.
  QStringList emptied = shown;
  for (int i = 1; i < emptied.size(); i += 2) emptied[i].clear();
  QCOMPARE(Shown(window, shown), emptied);
  // The typed text stays, nothing ends, and the window goes on computing.
  QCOMPARE(Shown(window, faulty), faulty);
  QCOMPARE(program.end.calls, 0);
  QVERIFY(window.isVisible());
  const Case& after = *std::ranges::find(kAfterAFault, id, &Case::id);
  QVERIFY(Type(window, after.inputs));
  Calculate(program, id);
  QCOMPARE(program.messages.shown.size(), std::size_t{1});
  QCOMPARE(Shown(window, after.shown), after.shown);
}

void AlgebraWindowsTest::quadraticMessageEmptiesTheRoots() {
  Program program;
  auto& window = program.form<QuadraticWindow>(FormId::Form13);
  window.show();
  QVERIFY(Type(window, {"Text1", "1", "Text2", "0", "Text3", "-4"}));
  window.calculate->click();
  QVERIFY(Type(window, {"Text3", "1"}));
  window.calculate->click();
  QCOMPARE(program.messages.shown.size(), std::size_t{1});
  const Message& box = program.messages.shown[0];
  QCOMPARE(box.caption, QStringLiteral("Numora"));
  QCOMPARE(box.text, QStringLiteral(u"المعادلة لاتحل"));
  QCOMPARE(box.icon, Message::Icon::None);
  QCOMPARE(window.firstRoot->text(), QString());
  QCOMPARE(window.secondRoot->text(), QString());
}

void AlgebraWindowsTest::quadraticKeepsItsFirstRootWhenTheSecondFaults() {
  Program program;
  auto& window = program.form<QuadraticWindow>(FormId::Form13);
  window.show();
  // What the user types into the root boxes plays no part: the first root overwrites it, and the
  // second, stopped by the fault, is emptied.
  QTest::keyClicks(window.firstRoot, "abc");
  QTest::keyClicks(window.secondRoot, "9");
  // With a tiny a, −b − √d cancels to 0 while −b + √d over a + a is beyond the range.
  QVERIFY(Type(window, {"Text1", "1e-300", "Text2", "-1e10", "Text3", "0"}));
  window.calculate->click();
  QCOMPARE(window.firstRoot->text(), QStringLiteral("0"));
  QCOMPARE(window.secondRoot->text(), QString());
  QCOMPARE(program.messages.shown.size(), std::size_t{1});
  QVERIFY(program.messages.shown[0].text.contains("6:"));
}

void AlgebraWindowsTest::powersKeepTheirTextAcrossAVisitToTheMainMenu() {
  Program program;
  program.registry.show(FormId::Form3);
  auto& window = program.form<PowerWindow>(FormId::Form3);
  window.base->setText("1.5");
  window.exponent->setText("2");
  window.calculate->click();
  window.mainMenu->click();
  QVERIFY(!window.isVisible());
  program.registry.show(FormId::Form3);
  QCOMPARE(window.base->text(), QStringLiteral("1.5"));
  QCOMPARE(window.exponent->text(), QStringLiteral("2"));
  QCOMPARE(window.power->text(), QStringLiteral("2.25"));
}

void AlgebraWindowsTest::quadraticTabsThroughItsBoxes() {
  Program program;
  auto& window = program.form<QuadraticWindow>(FormId::Form13);
  window.show();
  QStringList walked;
  QWidget* widget = window.coefficientA;
  do {
    if (widget->focusPolicy() & Qt::TabFocus) walked << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != window.coefficientA && walked.size() < 20);
  QCOMPARE(walked, (QStringList{"Text1", "Text2", "Text3", "Command1", "Text4", "Text5", "Command2",
                                "PracticeStart", "PracticeWorksheet"}));
  QCOMPARE(window.focusWidget(), window.coefficientA);
}

void AlgebraWindowsTest::boxesAndResultsAreNamedForAssistiveTechnology() {
  Program program;
  for (FormId id : {FormId::Form2, FormId::Form11, FormId::Form13}) {
    const FormWindow& window = program.registry.form(id);
    QSet<QString> names;
    for (const QLineEdit* box : window.findChildren<QLineEdit*>()) {
      QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(box->objectName()));
      names.insert(box->accessibleName());
    }
    // No two boxes of a window may sound alike.
    QCOMPARE(names.size(), window.findChildren<QLineEdit*>().size());
    // A result label's value is what it reads out; the description says what the value is.
    for (const QLabel* label : window.findChildren<QLabel*>()) {
      if (label->frameShape() == QFrame::NoFrame) continue;
      QVERIFY2(!label->accessibleDescription().isEmpty(), qPrintable(label->objectName()));
      QVERIFY2(label->accessibleName().isEmpty(), qPrintable(label->objectName()));
    }
  }
  const auto& quadratic = program.form<QuadraticWindow>(FormId::Form13);
  QVERIFY(!quadratic.firstRoot->accessibleDescription().isEmpty());
  QVERIFY(!quadratic.secondRoot->accessibleDescription().isEmpty());
}

void AlgebraWindowsTest::quadraticRootsSitInTheirFrame() {
  Program program;
  auto& window = program.form<QuadraticWindow>(FormId::Form13);
  window.show();
  const QList<QWidget*> inside = {window.firstRoot, window.secondRoot, window.rootCaptions[0],
                                  window.orCaption, window.rootCaptions[1]};
  QCOMPARE(window.rootsFrame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
           inside.size());
  for (QWidget* control : inside) {
    QCOMPARE(control->parentWidget(), window.rootsFrame);
    QVERIFY2(window.rootsFrame->rect().contains(control->geometry()),
             qPrintable(control->objectName()));
  }
}

void AlgebraWindowsTest::enterCalculatesOrPressesTheFocusedButton() {
  Program program;
  program.registry.show(FormId::Form3);
  auto& window = program.form<PowerWindow>(FormId::Form3);
  QVERIFY(Type(window, {"Text1", "2", "Text2", "10"}));
  // Enter in a text box calculates, as in any form.
  QTest::keyClick(window.exponent, Qt::Key_Return);
  QCOMPARE(window.power->text(), QStringLiteral("1024"));
  window.exponent->setText("3");
  QTest::keyClick(window.exponent, Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(window.power->text(), QStringLiteral("8"));
  window.exponent->setText("10");
  window.calculate->setFocus();
  QTest::keyClick(window.calculate, Qt::Key_Return);
  QCOMPARE(window.power->text(), QStringLiteral("1024"));
  window.base->setText("3");
  QTest::keyClick(window.calculate, Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(window.power->text(), QStringLiteral("59049"));
  QTest::keyClick(window.mainMenu, Qt::Key_Return);  // "الرئيسية"
  QVERIFY(!window.isVisible());
}

void AlgebraWindowsTest::aResultCopiedAndPastedReadsTheSame() {
  Program program;
  program.registry.show(FormId::Form3);
  auto& window = program.form<PowerWindow>(FormId::Form3);
  QVERIFY(Type(window, {"Text1", "2", "Text2", "0.5"}));
  window.calculate->click();
  const QString result = window.power->text();
  QCOMPARE(result, QStringLiteral("1.4142135623731"));
  QVERIFY(window.power->textInteractionFlags() & Qt::TextSelectableByKeyboard);
  window.power->setFocus();
  window.power->setSelection(0, static_cast<int>(result.size()));
  QTest::keyClick(window.power, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QGuiApplication::clipboard()->text(), result);
  // Pasted as the base, to the power 1: the number read back is the one shown.
  window.base->clear();
  window.base->paste();
  QCOMPARE(window.base->text(), result);
  window.exponent->setText("1");
  window.calculate->click();
  QCOMPARE(window.power->text(), result);
}

QTEST_MAIN(AlgebraWindowsTest)
#include "test_algebra_windows.moc"
