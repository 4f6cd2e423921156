#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>
#include <limits>

#include "calculator/CalculatorWindow.h"
#include "tests/windows/Harness.h"
#include "topics/algebra/PowerWindow.h"
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
  void everyNumberWrittenPastesBackAsItself_data();
  void everyNumberWrittenPastesBackAsItself();
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

void RegionTest::everyNumberWrittenPastesBackAsItself_data() {
  QTest::addColumn<QString>("locale");
  for (const char* locale : {"ar_EG", "ar_MA", "en_US"})
    QTest::newRow(locale) << QString::fromLatin1(locale);
}

// Every number the topic windows write (results, working, solution, figure), pasted as the power
// window's base with what a copy of it can carry: the marks and isolates it is set apart with,
// zero-width characters, spaces before it, "−" for its minus. To the power 1 it is its own
// result, so the base must read whole as the number written.
void RegionTest::everyNumberWrittenPastesBackAsItself() {
  QFETCH(QString, locale);
  const Numerals numerals = LocaleNumerals(QLocale(locale));
  Program program(numerals);

  // One calculation in each window, among them negative decimals, a rounded root and a power
  // written with its exponent.
  const std::pair<FormId, QStringList> samples[] = {
      {FormId::Form2, {"Text1", "3", "Text2", "-20"}},
      {FormId::Form3, {"Text1", "-99", "Text2", "9"}},
      {FormId::Form4, {"Text1", "3", "Text2", "5.5", "Text3", "4"}},
      {FormId::Form5, {"Text1", "2.5"}},
      {FormId::Form6, {"Text1", "2", "Text2", "8"}},
      {FormId::Form7, {"Text1", "2", "Text2", "3", "Text3", "4.5"}},
      {FormId::Form8, {"Text1", "4", "Text2", "6.5"}},
      {FormId::Form9, {"Text1", "1.5"}},
      {FormId::Form11, {"Text1", "2", "Text2", "4"}},
      {FormId::Form12, {"Text1", "1", "Text2", "2.5"}},
      {FormId::Form13, {"Text1", "1", "Text2", "0.5", "Text3", "-1"}},
      {FormId::Form15, {"Text1", "-10"}}};
  const QString digit =
      QStringLiteral("[%1-%2]").arg(QChar(numerals.zero), QChar(char16_t(numerals.zero + 9)));
  const QRegularExpression number(
      QStringLiteral("[-−]?%1+(?:%2%1+)?(?:E[-+]%1+)?")
          .arg(digit, QRegularExpression::escape(QChar(numerals.separator))));
  QStringList numbers;
  for (const auto& [id, inputs] : samples) {
    program.registry.show(id);
    if (id == FormId::Form15)
      program.registry.form(id).findChild<QRadioButton*>("Option2")->click();
    QVERIFY(Solve(program, id, inputs));
    auto& window = program.form<TopicWindow>(id);
    QString written = window.solutionPanel()->text()->toPlainText();
    for (const QWidget* field : ResultFields(window, id))
      written += u'\n' + field->property("text").toString() + u'\n' + field->toolTip();
    for (const FigureLabel& label : window.solutionPanel()->figure()->figure().labels)
      written += u'\n' + QString::fromStdU16String(label.text);
    for (const QRegularExpressionMatch& found : number.globalMatch(WithoutBidiMarks(written)))
      if (!numbers.contains(found.captured())) numbers << found.captured();
    // Each result is found whole, its exponent with it.
    for (const QWidget* field : ResultFields(window, id))
      QVERIFY2(numbers.contains(field->property("text").toString()),
               qPrintable(field->property("text").toString()));
  }
  QVERIFY(program.messages.shown.empty());

  // Around the number (and, with `inside`, after its first character or after every one).
  struct Variant {
    const char16_t* before;
    const char16_t* inside;
    const char16_t* after;
    bool typographicMinus = false;
    bool everyGap = false;
  };
  const Variant variants[] = {{u"", u"", u""},
                              {u"\u2066", u"", u"\u2069"},  // left-to-right isolate
                              {u"\u2068", u"", u"\u2069"},  // first-strong isolate
                              {u"\u2067", u"", u"\u2069"},  // right-to-left isolate
                              {u"\u202A", u"", u"\u202C"},  // left-to-right embedding
                              {u"\u200F", u"", u""},        // right-to-left mark
                              {u"", u"", u"\u200E"},        // left-to-right mark
                              {u"\u061C", u"", u""},        // Arabic letter mark
                              {u"\u200B", u"", u""},        // zero-width space
                              {u"\uFEFF", u"", u""},        // byte-order mark
                              {u"", u"", u"\u2060"},        // word joiner
                              {u"\u00A0", u"", u""},        // no-break space
                              {u"\u2009", u"", u""},        // thin space
                              {u"\u202F", u"", u""},        // narrow no-break space
                              {u"\u3000\u205F", u"", u""},  // ideographic, mathematical space
                              {u"", u"", u"\u00A0"},
                              {u" \t", u"", u" "},
                              {u"", u"\u200C", u""},  // zero-width non-joiner
                              {u"", u"", u"", true},
                              {u"", u"\u200D", u"", true},  // zero-width joiner
                              {u"", u"\u200E", u"", false, true},
                              {u"\u00A0\u200F\u2068", u"\u2060", u"\u2069\u200E", true}};

  // What was pasted, its invisible characters and spaces by their code points.
  const auto spelt = [](const QString& text) {
    QString shown;
    for (const QChar c : text)
      shown += c.isSpace() || c.category() == QChar::Other_Format
                   ? QStringLiteral("<U+%1>").arg(c.unicode(), 4, 16, QChar(u'0')).toUpper()
                   : QString(c);
    return shown;
  };
  program.registry.show(FormId::Form3);
  auto& powers = program.form<PowerWindow>(FormId::Form3);
  powers.exponent->setText("1");
  for (const QString& written : numbers) {
    const QString expected = QString(written).replace(u'−', u'-');
    // A rounded answer keeps its last zeros ("15,70"); the window writes the number without them.
    QString shown = expected;
    if (shown.contains(u'.') || shown.contains(u',') || shown.contains(u'٫'))
      while (shown.endsWith(u'0') || shown.endsWith(u'٠')) shown.chop(1);
    if (shown.endsWith(u'.') || shown.endsWith(u',') || shown.endsWith(u'٫')) shown.chop(1);
    for (const auto& [before, inside, after, typographicMinus, everyGap] : variants) {
      QString text = expected;
      if (typographicMinus && text.startsWith(u'-')) text[0] = u'−';
      for (qsizetype gap = everyGap ? text.size() - 1 : 1; gap > 0; --gap)
        text.insert(gap, QString::fromUtf16(inside));
      text = QString::fromUtf16(before) + text + QString::fromUtf16(after);
      QGuiApplication::clipboard()->setText(text);
      powers.base->selectAll();
      powers.base->paste();
      powers.calculate->click();
      const QString read = powers.power->text(), note = powers.base->toolTip();
      QVERIFY2(read == shown && !note.contains(u"أُهمل"_qs),
               qPrintable(QStringLiteral("%1 pasted as %2 read as %3: %4")
                              .arg(written, spelt(text), read, note)));
    }
  }
  QVERIFY(program.messages.shown.empty());
}

QTEST_MAIN(RegionTest)
void RegionTest::regionsSetFormulasInTheirDirection() {
  constexpr auto ltr = FormulaDirection::LeftToRight, rtl = FormulaDirection::RightToLeft;
  const std::pair<const char*, FormulaDirection> regions[] = {
      {"ar_EG", rtl}, {"ar_SA", rtl}, {"ar_IQ", rtl}, {"ar_LB", rtl},
      {"ar_MA", ltr}, {"ar_DZ", ltr}, {"ar_TN", ltr}, {"ar_LY", rtl},
      {"ar_MR", rtl}, {"fr_MA", ltr}, {"en_US", ltr}};
  for (const auto& [name, direction] : regions)
    QVERIFY2(RegionDirection(QLocale(QString::fromLatin1(name))) == direction, name);
}

#include "test_region.moc"
