// The calculator window: its keypad, the shared handlers of its key groups, its skin, and the
// state it keeps across a visit to the main menu.
#include <QAction>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <map>

#include "calculator/CalculatorWindow.h"
#include "tests/windows/Harness.h"
#include "ui/frame/Fields.h"
#include "ui/frame/Twips.h"

using namespace numora;
using numora::testing::Program;

class CalculatorTest : public QObject {
  Q_OBJECT

 private slots:
  void keypadReadsAsAPocketCalculator();
  void eachKeyTypesItsCaption();
  void keysComputeThroughTheWindow();
  void skinIsAppliedOnceBeforeTheFirstShow();
  void backspaceClearsAndPutsTheFocusInTheDisplay();
  void exitEndsTheProgram();
  void faultShowsItsBoxAndTheCalculatorGoesOn();
  void stateSurvivesAVisitToTheMainMenu();
  void missingSkinLeavesAUsableWindow();
  void keyboardActsAsTheKeyButtons();
  void keyboardKeysOfEveryKind_data();
  void keyboardKeysOfEveryKind();
  void aDisplayReadInPartIsMarkedAndResultsAreSaid();
};

void CalculatorTest::keypadReadsAsAPocketCalculator() {
  Program program;
  auto& calculator = program.form<CalculatorWindow>(FormId::Form16);
  // Rows from the top, columns from the left, as a pupil sees the keys.
  const QStringList rows[] = {
      {"7", "8", "9", "+"}, {"4", "5", "6", "-"}, {"1", "2", "3", "*"}, {"=", "0", ".", "/"}};
  const int tops[] = {600, 1200, 1800, 2400};
  const int lefts[] = {120, 1320, 2520, 3720};
  std::map<std::pair<int, int>, QString> captionAt;
  for (QPushButton* key : calculator.clientArea()->findChildren<QPushButton*>())
    captionAt[{key->x(), key->y()}] = key->text();
  for (int row = 0; row < 4; ++row)
    for (int column = 0; column < 4; ++column)
      QCOMPARE((captionAt[{Px(lefts[column]), Px(tops[row])}]), rows[row][column]);
  QCOMPARE((captionAt[{Px(120), Px(3000)}]), QStringLiteral("Exit"));
  QCOMPARE((captionAt[{Px(2520), Px(3000)}]), QStringLiteral("Backspace"));
  QCOMPARE(calculator.mainMenu->geometry(), TwipsRect(0, 3720, 4815, 720));
  QCOMPARE(calculator.font().family(), QStringLiteral("Tahoma"));
}

void CalculatorTest::eachKeyTypesItsCaption() {
  Program program;
  auto& calculator = program.form<CalculatorWindow>(FormId::Form16);
  calculator.show();
  // The shared handler is told the index; N(4) is captioned "5" and N(5) "4".
  calculator.digitKeys->button(4)->click();
  calculator.digitKeys->button(5)->click();
  QCOMPARE(calculator.display->text(), QStringLiteral("54"));
  for (int index = 0; index < 10; ++index) calculator.digitKeys->button(index)->click();
  QCOMPARE(calculator.display->text(), QStringLiteral("540123546789"));
  calculator.operatorKeys->button(1)->click();
  QVERIFY(calculator.state().pendingOperation() == Operation::Multiply);
  calculator.operatorKeys->button(2)->click();
  QVERIFY(calculator.state().pendingOperation() == Operation::Subtract);
}

void CalculatorTest::keysComputeThroughTheWindow() {
  Program program;
  auto& calculator = program.form<CalculatorWindow>(FormId::Form16);
  calculator.show();
  calculator.digitKeys->button(7)->click();
  calculator.operatorKeys->button(0)->click();
  calculator.digitKeys->button(8)->click();
  calculator.equalsKey->click();
  QCOMPARE(calculator.display->text(), QStringLiteral("15"));
  // Text typed into the display takes part like key presses.
  calculator.display->clear();
  QTest::keyClicks(calculator.display, "12abc");
  calculator.operatorKeys->button(0)->click();
  calculator.digitKeys->button(3)->click();
  calculator.equalsKey->click();
  QCOMPARE(calculator.display->text(), QStringLiteral("15"));
  QVERIFY(program.messages.shown.empty());
}

void CalculatorTest::skinIsAppliedOnceBeforeTheFirstShow() {
  Program program;
  auto& calculator = program.form<CalculatorWindow>(FormId::Form16);
  QVERIFY(!calculator.styleSheet().isEmpty());
  // Taken off again, the skin stays off: showing the window does not apply it a second time.
  calculator.setStyleSheet(QString());
  for (int visit = 0; visit < 5; ++visit) {
    program.registry.show(FormId::Form16);
    calculator.mainMenu->click();
  }
  QVERIFY(calculator.styleSheet().isEmpty());
  QVERIFY(program.messages.shown.empty());
}

void CalculatorTest::backspaceClearsAndPutsTheFocusInTheDisplay() {
  Program program;
  program.registry.show(FormId::Form16);
  auto& calculator = program.form<CalculatorWindow>(FormId::Form16);
  QVERIFY(QTest::qWaitForWindowActive(&calculator));
  calculator.digitKeys->button(9)->click();
  calculator.operatorKeys->button(3)->click();
  calculator.digitKeys->button(2)->setFocus();
  calculator.clearKeys->button(1)->click();
  QCOMPARE(calculator.display->text(), QString());
  QVERIFY(!calculator.state().pendingOperation());
  QCOMPARE(calculator.state().firstOperand(), u"0");
  QCOMPARE(QApplication::focusWidget(), calculator.display);
  calculator.equalsKey->click();
  QCOMPARE(calculator.display->text(), QString());
}

void CalculatorTest::exitEndsTheProgram() {
  Program program;
  program.registry.show(FormId::Form16);
  program.form<CalculatorWindow>(FormId::Form16).exitKeys->button(10)->click();
  QCOMPARE(program.end.calls, 1);
}

void CalculatorTest::faultShowsItsBoxAndTheCalculatorGoesOn() {
  Program program;
  program.registry.show(FormId::Form16);
  auto& calculator = program.form<CalculatorWindow>(FormId::Form16);
  calculator.digitKeys->button(8)->click();
  calculator.operatorKeys->button(3)->click();
  calculator.digitKeys->button(0)->click();
  calculator.equalsKey->click();
  QCOMPARE(program.messages.shown.size(), std::size_t{1});
  QCOMPARE(program.messages.shown[0].caption, QStringLiteral("Numora"));
  QVERIFY(program.messages.shown[0].text.contains("11"));
  QCOMPARE(calculator.display->text(), QStringLiteral("0"));
  QCOMPARE(calculator.state().firstOperand(), u"8");
  QVERIFY(calculator.isVisible());
  QCOMPARE(program.end.calls, 0);
  calculator.digitKeys->button(2)->click();
  calculator.equalsKey->click();
  QCOMPARE(calculator.display->text(), QStringLiteral("4"));
}

void CalculatorTest::stateSurvivesAVisitToTheMainMenu() {
  Program program;
  program.registry.show(FormId::Form16);
  auto& calculator = program.form<CalculatorWindow>(FormId::Form16);
  calculator.digitKeys->button(1)->click();
  calculator.pointKey->click();
  calculator.digitKeys->button(5)->click();
  calculator.operatorKeys->button(0)->click();
  calculator.digitKeys->button(2)->click();
  calculator.mainMenu->click();
  QCOMPARE(program.visible(), std::vector<FormWindow*>{program.registry.created(FormId::Form1)});
  program.registry.show(FormId::Form16);
  QCOMPARE(calculator.display->text(), QStringLiteral("2"));
  calculator.equalsKey->click();
  QCOMPARE(calculator.display->text(), QStringLiteral("3.4"));
}

void CalculatorTest::missingSkinLeavesAUsableWindow() {
  Program program;
  auto& calculator = program.form<CalculatorWindow>(FormId::Form16);
  const QString skinned = calculator.styleSheet();
  Skin missing(QStringLiteral(":/skins/missing.qss"));
  QVERIFY_THROWS_EXCEPTION(std::runtime_error, missing.ApplySkin(calculator.winId()));
  calculator.run([&] { missing.ApplySkin(calculator.winId()); });
  QCOMPARE(program.messages.shown.size(), std::size_t{1});
  QCOMPARE(program.messages.shown[0].caption, QStringLiteral("Numora"));
  QCOMPARE(calculator.styleSheet(), skinned);
  calculator.digitKeys->button(6)->click();
  QCOMPARE(calculator.display->text(), QStringLiteral("6"));
}

void CalculatorTest::keyboardActsAsTheKeyButtons() {
  Program program;
  program.registry.show(FormId::Form16);
  auto& calculator = program.form<CalculatorWindow>(FormId::Form16);
  QCOMPARE(calculator.focusWidget(), calculator.display);
  // In the display box digits are typed as text, the operator and equals keys are the buttons.
  QTest::keyClicks(calculator.display, "12+30=");
  QCOMPARE(calculator.display->text(), QStringLiteral("42"));
  QVERIFY(calculator.equalsKey->isDown());  // shown pressed for a moment
  QTRY_VERIFY(!calculator.equalsKey->isDown());
  QTest::keyClick(calculator.display, Qt::Key_Escape);
  QCOMPARE(calculator.display->text(), QString());
  QTest::keyClicks(calculator.display, "5/0");
  QTest::keyClick(calculator.display, Qt::Key_Return);
  QCOMPARE(program.messages.shown.size(), std::size_t{1});
  QVERIFY(program.messages.shown[0].text.contains("11"));
  QVERIFY(calculator.isVisible());
}

void CalculatorTest::keyboardKeysOfEveryKind_data() {
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("shown");
  QTest::newRow("times") << "7*8="
                         << "56";
  QTest::newRow("minus") << "9-6="
                         << "3";
  QTest::newRow("Arabic-Indic digits and ×") << u"٨×٣="_qs << "24";
  QTest::newRow("extended Arabic-Indic digits and ÷") << u"۸÷۴="_qs << "2";
  QTest::newRow("the point and the comma") << "1.5+2,5="
                                           << "4";
  QTest::newRow("the Arabic decimal separator") << u"1٫5+1="_qs << "2.5";
  QTest::newRow("the digit on the caption: 4 and 5") << "45"
                                                     << "45";
  QTest::newRow("Delete clears everything") << "9+\x7f"
                                            << "";
}

void CalculatorTest::keyboardKeysOfEveryKind() {
  QFETCH(QString, keys);
  QFETCH(QString, shown);
  Program program;
  program.registry.show(FormId::Form16);
  auto& calculator = program.form<CalculatorWindow>(FormId::Form16);
  // Away from the display box every key is a button, digits and points too.
  calculator.digitKeys->button(7)->setFocus();
  for (const QChar key : keys) {
    if (key == u'\x7f')
      QTest::keyClick(calculator.digitKeys->button(7), Qt::Key_Delete);
    else
      QTest::sendKeyEvent(QTest::Click, calculator.digitKeys->button(7), Qt::Key_unknown,
                          QString(key), Qt::NoModifier);
  }
  QCOMPARE(calculator.display->text(), shown);
  QCOMPARE(calculator.focusWidget(), keys.endsWith(u'\x7f')
                                         ? static_cast<QWidget*>(calculator.display)
                                         : calculator.digitKeys->button(7));
  QVERIFY(program.messages.shown.empty());
}

void CalculatorTest::aDisplayReadInPartIsMarkedAndResultsAreSaid() {
  Program program;
  program.registry.show(FormId::Form16);
  auto& calculator = program.form<CalculatorWindow>(FormId::Form16);
  QTest::keyClicks(calculator.display, "12,5");
  calculator.operatorKeys->button(0)->click();  // +
  const QString note = u"حُسب بالعدد 12 من شاشة الحاسبة وأُهمل «,5»."_qs;
  QCOMPARE(calculator.announced(), note);
  calculator.digitKeys->button(1)->click();
  calculator.equalsKey->click();
  QCOMPARE(calculator.display->text(), u"13"_qs);
  QCOMPARE(calculator.announced(), u"الناتج 13"_qs);
  // The mark stays while the result stands on what was read, and goes with "Backspace".
  const QAction* sign = FieldNotes::WarningSign(calculator.display);
  QVERIFY(sign != nullptr && sign->isVisible());
  QVERIFY(calculator.display->accessibleDescription().startsWith(note));
  calculator.clearKeys->button(1)->click();
  QVERIFY(!sign->isVisible());
  // A result computed keeps its full value: 1 ÷ 3 × 3 is 1.
  calculator.digitKeys->button(1)->click();
  calculator.operatorKeys->button(3)->click();  // /
  calculator.digitKeys->button(3)->click();
  calculator.operatorKeys->button(1)->click();  // *
  calculator.digitKeys->button(3)->click();
  calculator.equalsKey->click();
  QCOMPARE(calculator.display->text(), u"1"_qs);
}

QTEST_MAIN(CalculatorTest)
#include "test_calculator.moc"
