// The working behind each result, as a pupil reads it in the tooltip and a screen reader in the
// accessible description: the formula in words before a calculation, the pupil's numbers and the
// result after it, and why a result was not computed.
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextLayout>
#include <QtTest>

#include <algorithm>
#include <vector>

#include "tests/windows/Harness.h"
#include "ui/platform/Utf16Text.h"

using namespace numora;
using numora::testing::Calculate;
using numora::testing::kTopicWindows;
using numora::testing::Program;
using numora::testing::ResultFields;
using numora::testing::Solve;
using numora::testing::Type;

namespace {

// The working as it reads, without the invisible marks that keep each number left to right.
QString Plain(const QString& text) { return WithoutBidiMarks(text); }

// The working of a result field; its tooltip and its description must say the same.
QString WorkingOf(const FormWindow& window, const QString& name) {
  const auto* field = window.findChild<QWidget*>(name);
  if (field == nullptr) return QStringLiteral("(missing)");
  if (field->toolTip() != field->accessibleDescription())
    return QStringLiteral("(tooltip %1, description %2)")
        .arg(field->toolTip(), field->accessibleDescription());
  return Plain(field->toolTip());
}

// The workings of the named fields.
QStringList WorkingsOf(const FormWindow& window, const QStringList& names) {
  QStringList workings;
  for (const QString& name : names) workings << WorkingOf(window, name);
  return workings;
}

// Where the first character of a piece of a working stands on screen, laid out as a tooltip lays
// out its line, and whether the piece's own characters stand from left to right.
struct OnScreen {
  qreal left;
  bool leftToRight;
};

OnScreen Locate(const QTextLayout& layout, const QString& text, const QString& piece) {
  const qsizetype at = text.indexOf(piece);
  if (at < 0) return {-1, false};
  std::vector<qreal> xs;
  for (qsizetype i = at; i < at + piece.size(); ++i) {
    const QList<QGlyphRun> runs = layout.glyphRuns(static_cast<int>(i), 1);
    if (!runs.isEmpty() && !runs.first().positions().isEmpty())
      xs.push_back(runs.first().positions().first().x());
  }
  if (xs.empty()) return {-1, false};
  return {*std::min_element(xs.begin(), xs.end()), std::is_sorted(xs.begin(), xs.end())};
}

bool IsArabic(const QString& text) {
  return std::any_of(text.begin(), text.end(),
                     [](QChar c) { return c.script() == QChar::Script_Arabic; });
}

// One column of a table written row after row in a flat list.
QStringList Column(const QStringList& table, int width, int column) {
  QStringList cells;
  for (int i = column; i < table.size(); i += width) cells << table[i];
  return cells;
}

}  // namespace

class WorkingTest : public QObject {
  Q_OBJECT

 private slots:
  void formulaThenWorking_data();
  void formulaThenWorking();
  void everyResultFieldShowsItsWorking();
  void faultsAndTheQuadraticMessageSayWhatWasNotComputed_data();
  void faultsAndTheQuadraticMessageSayWhatWasNotComputed();
  void temperatureShowsTheChosenConversion();
  void numbersAndConstantsUseTheDecimalSeparator();
  void aFormulaReadsFromItsLeftEndOnScreen();
};

void WorkingTest::formulaThenWorking_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<QStringList>("inputs");   // box, text, ...
  QTest::addColumn<QStringList>("working");  // field, before, after, ...
  QTest::newRow("circle")
      << FormId::Form5 << QStringList{"Text1", "2"}
      << QStringList{"Label2", u"المساحة = 3.14 نق²"_qs,   u"المساحة = 3.14 × 2² = 12.56"_qs,
                     "Label3", u"المحيط = 2 × 3.14 نق"_qs, u"المحيط = 2 × 3.14 × 2 = 12.56"_qs};
  QTest::newRow("roots: the real cube root of a negative number")
      << FormId::Form2 << QStringList{"Text1", "3", "Text2", "-27"}
      << QStringList{"Label1", u"الناتج = (دليل الجذر)√ما تحت الجذر"_qs, u"الناتج = ∛-27 = -3"_qs};
  QTest::newRow("quadratic: the discriminant on the way")
      << FormId::Form13 << QStringList{"Text1", "1", "Text2", "-5", "Text3", "6"}
      << QStringList{"Text4",
                     u"المميز = ب² - 4 أ جـ؛ س = (-ب - √المميز) ÷ (2 أ)"_qs,
                     u"المميز = (-5)² - 4 × 1 × 6 = 1؛ س = (-(-5) - √1) ÷ (2 × 1) = 2"_qs,
                     "Text5",
                     u"المميز = ب² - 4 أ جـ؛ س = (-ب + √المميز) ÷ (2 أ)"_qs,
                     u"المميز = (-5)² - 4 × 1 × 6 = 1؛ س = (-(-5) + √1) ÷ (2 × 1) = 3"_qs};
  QTest::newRow("cylinder: the window's order, text after a number ignored")
      << FormId::Form12 << QStringList{"Text1", "1cm", "Text2", "2"}
      << QStringList{"Label7", u"المساحة الكلية = 2 × 3.14 نق² + 2 × 3.14 نق ع"_qs,
                     u"المساحة الكلية = 2 × 3.14 × 1² + 2 × 3.14 × 1 × 2 = 18.84"_qs};
  QTest::newRow("sphere: a result in exponent form")
      << FormId::Form9 << QStringList{"Text1", "1e100"}
      << QStringList{"Label3", u"المساحة = 12.56 نق²"_qs,
                     u"المساحة = 12.56 × (1E+100)² = 1.256E+201"_qs};
}

void WorkingTest::formulaThenWorking() {
  QFETCH(FormId, id);
  QFETCH(QStringList, inputs);
  QFETCH(QStringList, working);
  Program program;
  program.registry.show(id);
  FormWindow& window = program.registry.form(id);
  const QStringList fields = Column(working, 3, 0);
  QCOMPARE(WorkingsOf(window, fields), Column(working, 3, 1));
  QVERIFY(Type(window, inputs));
  Calculate(program, id);
  QVERIFY(program.messages.shown.empty());
  QCOMPARE(WorkingsOf(window, fields), Column(working, 3, 2));
}

// Every result of every topic window has a formula, and after a calculation its working ends
// with exactly the text the field shows.
void WorkingTest::everyResultFieldShowsItsWorking() {
  for (const FormId id : kTopicWindows) {
    if (id == FormId::Form15) continue;  // its working follows the chosen option: see below
    Program program;
    program.registry.show(id);
    FormWindow& window = program.registry.form(id);
    const std::vector<QWidget*> fields = ResultFields(window, id);
    QVERIFY2(!fields.empty(), qPrintable(window.windowTitle()));
    QStringList inputs;
    for (QLineEdit* box : window.findChildren<QLineEdit*>())
      if (box->objectName() < "Text4") inputs << box->objectName() << "3";
    if (id == FormId::Form13) inputs = QStringList{"Text1", "1", "Text2", "-3", "Text3", "2"};
    QVERIFY(Type(window, inputs));
    QStringList formulas;
    for (QWidget* field : fields) formulas << WorkingOf(window, field->objectName());
    Calculate(program, id);
    QVERIFY(program.messages.shown.empty());
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const QString name = fields[i]->objectName();
      const auto* label = qobject_cast<QLabel*>(fields[i]);
      const QString text = label ? label->text() : qobject_cast<QLineEdit*>(fields[i])->text();
      const QString working = WorkingOf(window, name);
      const QString where = window.windowTitle() + " " + name + ": " + working;
      QVERIFY2(
          !formulas[static_cast<int>(i)].isEmpty() && !formulas[static_cast<int>(i)].contains('{'),
          qPrintable(where));
      QVERIFY2(working.endsWith(" = " + text) && !working.contains('{'), qPrintable(where));
      // What the result holds, its first words, is the same before and after.
      const QString holds = formulas[static_cast<int>(i)].section(" = ", 0, 0);
      QVERIFY2(working.startsWith(holds + " = "), qPrintable(where));
    }
  }
}

void WorkingTest::faultsAndTheQuadraticMessageSayWhatWasNotComputed_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<QStringList>("inputs");
  QTest::addColumn<QStringList>("working");  // field, working afterwards, ...
  QTest::newRow("roots: index 0")
      << FormId::Form2 << QStringList{"Text1", "0", "Text2", "8"}
      << QStringList{"Label1",
                     u"الناتج = ⁰√8، لم تحسب: توقف الحساب عند الخطأ 11، القسمة على صفر"_qs};
  QTest::newRow("cylinder: volume written, the lateral area overflows")
      << FormId::Form12 << QStringList{"Text1", "0.2", "Text2", "1.5e308"}
      << QStringList{"Label3",
                     u"الحجم = 3.14 × 0.2² × (1.5E+308) = 1.884E+307"_qs,
                     "Label5",
                     u"المساحة الجانبية = 2 × 3.14 × 0.2 × (1.5E+308)، لم تحسب: توقف الحساب عند "
                     u"الخطأ 6، تجاوز السعة"_qs,
                     "Label7",
                     u"المساحة الكلية = 2 × 3.14 × 0.2² + 2 × 3.14 × 0.2 × (1.5E+308)، لم تحسب: "
                     u"توقف الحساب عند الخطأ 6، تجاوز السعة"_qs};
  QTest::newRow("quadratic: no real root")
      << FormId::Form13 << QStringList{"Text1", "1", "Text2", "0", "Text3", "1"}
      << QStringList{"Text4",
                     u"المميز = 0² - 4 × 1 × 1 = -4؛ س = (-0 - √(-4)) ÷ (2 × 1)، لم تحسب: "
                     u"المميز سالب، فليس للمعادلة جذر حقيقي"_qs};
}

void WorkingTest::faultsAndTheQuadraticMessageSayWhatWasNotComputed() {
  QFETCH(FormId, id);
  QFETCH(QStringList, inputs);
  QFETCH(QStringList, working);
  Program program;
  QVERIFY(Solve(program, id, inputs));
  FormWindow& window = program.registry.form(id);
  QCOMPARE(program.messages.shown.size(), std::size_t{1});
  QCOMPARE(WorkingsOf(window, Column(working, 2, 0)), Column(working, 2, 1));
}

void WorkingTest::temperatureShowsTheChosenConversion() {
  Program program;
  program.registry.show(FormId::Form15);
  FormWindow& window = program.registry.form(FormId::Form15);
  const QString untouched = WorkingOf(window, "Text1");
  QVERIFY(!untouched.isEmpty());
  QVERIFY(Type(window, {"Text1", "100"}));
  Calculate(program, FormId::Form15);  // no option chosen: nothing is converted, and it says why
  QCOMPARE(window.findChild<QLineEdit*>("Text1")->text(), u"100"_qs);
  QVERIFY(WorkingOf(window, "Text1").contains(u"اختر أولا واحدا من التحويلات الستة"));

  window.findChild<QRadioButton*>("Option6")->click();
  QCOMPARE(WorkingOf(window, "Text1"),
           u"من فهرنهايت إلى كلفن: كلفن = (فهرنهايت - 32) × 5 ÷ 9 + 273"_qs);
  window.findChild<QRadioButton*>("Option1")->click();
  QCOMPARE(WorkingOf(window, "Text1"),
           u"من سلسيوس إلى فهرنهايت: فهرنهايت = سلسيوس × 9 ÷ 5 + 32"_qs);
  Calculate(program, FormId::Form15);
  QCOMPARE(WorkingOf(window, "Text1"),
           u"من سلسيوس إلى فهرنهايت: فهرنهايت = 100 × 9 ÷ 5 + 32 = 212"_qs);
}

void WorkingTest::numbersAndConstantsUseTheDecimalSeparator() {
  Program program(u',');
  program.registry.show(FormId::Form9);
  FormWindow& window = program.registry.form(FormId::Form9);
  QCOMPARE(WorkingOf(window, "Label4"), u"الحجم = 4/3 × 3,14 نق³"_qs);
  QVERIFY(Type(window, {"Text1", "1"}));
  Calculate(program, FormId::Form9);
  QCOMPARE(WorkingOf(window, "Label3"), u"المساحة = 12,56 × 1² = 12,56"_qs);
  QCOMPARE(WorkingOf(window, "Label4"), u"الحجم = 4/3 × 3,14 × 1³ = 4,18666666666667"_qs);
}

// "المساحة = 3.14 × 7² = 153.86", read from the right: the name, then the formula from its left
// end, its square after the 7, the root sign before its number.
void WorkingTest::aFormulaReadsFromItsLeftEndOnScreen() {
  const struct {
    FormId id;
    QStringList inputs;
    const char* option;  // chosen before the calculation, if any
    const char* field;
    QStringList pieces;  // from the left of the screen to the right
  } cases[] = {
      {FormId::Form5,
       {"Text1", "7"},
       nullptr,
       "Label2",
       {"3.14", u"7²"_qs, "153.86", u"المساحة"_qs}},
      {FormId::Form13,
       {"Text1", "1", "Text2", "-5", "Text3", "6"},
       nullptr,
       "Text4",
       {u"√1"_qs, u"÷"_qs, u"س"_qs, u"(-5)²"_qs, u"المميز"_qs}},
      {FormId::Form15,
       {"Text1", "100"},
       "Option1",
       "Text1",
       {"100", u"÷"_qs, "212", u"من سلسيوس"_qs}},
  };
  for (const auto& c : cases) {
    Program program;
    program.registry.show(c.id);
    FormWindow& window = program.registry.form(c.id);
    if (c.option != nullptr) window.findChild<QRadioButton*>(c.option)->click();
    QVERIFY(Type(window, c.inputs));
    Calculate(program, c.id);
    const QString working = window.findChild<QWidget*>(c.field)->toolTip();

    // A tooltip lays out its text as a paragraph whose direction its first letters decide.
    QTextLayout layout(working, window.font());
    layout.beginLayout();
    layout.createLine().setLineWidth(10000);
    layout.endLayout();
    qreal previous = -1;
    for (const QString& piece : c.pieces) {
      const OnScreen where = Locate(layout, working, piece);
      const QString what = piece + " in " + Plain(working);
      QVERIFY2(where.left > previous, qPrintable(what));
      QVERIFY2(where.leftToRight || IsArabic(piece), qPrintable(what));
      previous = where.left;
    }
  }
}

QTEST_MAIN(WorkingTest)
#include "test_working.moc"
