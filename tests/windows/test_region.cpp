#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <limits>

#include "calculator/CalculatorWindow.h"
#include "tests/windows/Harness.h"
#include "ui/platform/FormulaSetting.h"
#include "ui/platform/Language.h"
#include "ui/platform/Region.h"
#include "ui/platform/Utf16Text.h"
#include "ui/solution/FigureView.h"
#include "ui/solution/SolutionPanel.h"
#include "ui/solution/TopicWindow.h"

using namespace numora;
using namespace numora::testing;

// A pupil's region writes every number Numora writes: Egypt's Arabic-Indic digits and "٫", the
// Maghreb's ASCII digits and decimal comma, the ASCII digits and point elsewhere.
class RegionTest : public QObject {
  Q_OBJECT

 private slots:
  void regionsWriteTheirDigits_data();
  void regionsWriteTheirDigits();
  void regionsSetFormulasInTheirDirection();
};

void RegionTest::regionsWriteTheirDigits_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QString>("typed");       // the radius, as a pupil there types it
  QTest::addColumn<QString>("area");        // of the circle of radius 7
  QTest::addColumn<QString>("quarter");     // the calculator's 1 / 4 =
  QTest::addColumn<QString>("hypotenuse");  // of legs 2 and 2, exactly
  QTest::newRow("ar_EG") << "ar_EG" << u"٧"_qs << u"١٥٣٫٨٦"_qs << u"٠٫٢٥"_qs << u"٢√٢"_qs;
  QTest::newRow("ar_SA") << "ar_SA" << u"٧"_qs << u"١٥٣٫٨٦"_qs << u"٠٫٢٥"_qs << u"٢√٢"_qs;
  QTest::newRow("ar_MA") << "ar_MA"
                         << "7"
                         << "153,86"
                         << "0,25" << u"2√2"_qs;
  QTest::newRow("en_US") << "en_US"
                         << "7"
                         << "153.86"
                         << "0.25" << u"2√2"_qs;
}

void RegionTest::regionsWriteTheirDigits() {
  QFETCH(QString, locale);
  QFETCH(QString, typed);
  QFETCH(QString, area);
  QFETCH(QString, quarter);
  QFETCH(QString, hypotenuse);
  const Numerals numerals = LocaleNumerals(QLocale(locale));
  Program program(numerals);
  // Digits the region does not write: every ASCII digit where the region has its own, and a
  // decimal point or comma that is not the region's.
  const QRegularExpression foreign(
      numerals.ascii() ? QStringLiteral("\\d[%1]\\d").arg(numerals.separator == u'.' ? "," : ".")
                       : QStringLiteral("[0-9]"));

  // The circle: its results, working, steps and figure.
  QVERIFY(Solve(program, FormId::Form5, {"Text1", typed}));
  auto& circle = program.form<TopicWindow>(FormId::Form5);
  auto* result = circle.findChild<QLabel*>("Label2");
  QCOMPARE(result->text(), area);
  const QString solution = circle.solutionPanel()->text()->toPlainText();
  QVERIFY2(solution.contains(area), qPrintable(solution));
  QString written = solution + result->toolTip() + circle.announced();
  for (const FigureLabel& label : circle.solutionPanel()->figure()->figure().labels)
    written += QString::fromStdU16String(label.text);
  QVERIFY2(!written.contains(foreign), qPrintable(written));

  // The result pasted back into the box is the same number: its working shows it again.
  QVERIFY(Type(circle, {"Text1", area}));
  Calculate(program, FormId::Form5);
  const QString steps = WithoutBidiMarks(circle.solutionPanel()->text()->toPlainText());
  QVERIFY2(steps.contains(u"× "_qs + area + u"²"_qs), qPrintable(steps));

  // The radius as Numora sets it apart in a problem or a label, pasted with a no-break space and
  // a mark before it: the same area, and no note that anything was ignored.
  QVERIFY(Type(circle, {"Text1", u"\u00A0\u200F\u2068"_qs + typed + u"\u2069"_qs}));
  Calculate(program, FormId::Form5);
  QCOMPARE(result->text(), area);
  QVERIFY(program.messages.shown.empty());
  const QString noted = circle.findChild<QLineEdit*>("Text1")->toolTip();
  QVERIFY2(!noted.contains(u"أُهمل"_qs), qPrintable(noted));

  // Each step reads in the order it was written, whatever the digits: "3.14 × 7²" is drawn with
  // 3.14, then ×, then 7 and its square from the left, never with the square on 3.14.
  QVERIFY(Type(circle, {"Text1", typed}));
  Calculate(program, FormId::Form5);
  // The area's second row, under the problem and the area's first row.
  const std::vector<SetSolutionLine>& lines = circle.solutionPanel()->text()->setLines();
  QVERIFY(lines.size() > 2 && lines[0].line->kind == SolutionLine::Kind::Problem &&
          lines[2].line->kind == SolutionLine::Kind::NextStep);
  const MathBox& row = lines[2].rows.front().box;
  const auto x = [&](const QString& part) {
    for (const MathRun& run : row.runs)
      if (QString::fromStdU16String(run.text) == part) return run.x;
    return std::numeric_limits<double>::quiet_NaN();
  };
  const QString pi = QString::fromStdU16String(NumberToText(3.14, numerals));
  const QString seven = QString::fromStdU16String(NumberToText(7, numerals));
  const QString two = QString::fromStdU16String(NumberToText(2, numerals));
  QVERIFY2(x(pi) < x(u"×"_qs) && x(u"×"_qs) < x(seven) && x(seven) < x(two),
           qPrintable(
               QStringLiteral("%1 %2 %3 %4").arg(x(pi)).arg(x(u"×"_qs)).arg(x(seven)).arg(x(two))));

  // An exact answer, and a fault's sentence.
  QVERIFY(Solve(program, FormId::Form11, {"Text1", "2", "Text2", "2"}));
  auto& pythagoras = program.form<TopicWindow>(FormId::Form11);
  QVERIFY(WithoutBidiMarks(pythagoras.solutionPanel()->text()->toPlainText()).contains(hypotenuse));
  QVERIFY(Solve(program, FormId::Form3, {"Text1", "-8", "Text2", "0.5"}));
  auto& powers = program.form<TopicWindow>(FormId::Form3);
  QVERIFY(!program.messages.shown.empty());
  QVERIFY2(!(program.messages.shown.back().text + powers.solutionPanel()->text()->toPlainText())
                .contains(foreign),
           qPrintable(program.messages.shown.back().text));

  // The calculator: the keys type the region's digits and separator, results are written in
  // them, and what it shows reads back as the same number.
  auto& calculator = program.form<CalculatorWindow>(FormId::Form16);
  calculator.show();
  calculator.digitKeys->button(1)->click();
  calculator.operatorKeys->button(3)->click();
  calculator.digitKeys->button(5)->click();  // captioned "4"
  calculator.equalsKey->click();
  QCOMPARE(calculator.display->text(), quarter);
  calculator.operatorKeys->button(1)->click();
  calculator.digitKeys->button(2)->click();
  calculator.pointKey->click();
  calculator.digitKeys->button(2)->click();
  const std::u16string typedInCalculator =
      numerals.digits(u"2") + numerals.separator + numerals.digits(u"2");
  QCOMPARE(calculator.display->text(), QString::fromStdU16String(typedInCalculator));
  calculator.equalsKey->click();
  QCOMPARE(calculator.display->text(), QString::fromStdU16String(NumberToText(0.55, numerals)));
  QVERIFY(calculator.state().notes().empty());
}

QTEST_MAIN(RegionTest)
void RegionTest::regionsSetFormulasInTheirDirection() {
  constexpr auto ltr = FormulaDirection::LeftToRight, rtl = FormulaDirection::RightToLeft;
  const std::pair<const char*, FormulaDirection> regions[] = {
      {"ar_EG", rtl}, {"ar_SA", rtl}, {"ar_IQ", rtl}, {"ar_LB", rtl},
      {"ar_MA", ltr}, {"ar_DZ", ltr}, {"ar_TN", ltr}, {"ar_LY", ltr},
      {"ar_MR", ltr}, {"fr_MA", ltr}, {"en_US", ltr}};
  for (const auto& [name, direction] : regions)
    QVERIFY2(RegionDirection(QLocale(QString::fromLatin1(name))) == direction, name);
}

#include "test_region.moc"
