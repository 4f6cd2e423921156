// An exercise worked out by a window's own handler, and practice in the windows.
#include <QRadioButton>
#include <QtTest>

#include "Harness.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/temperature/TemperatureFormulas.h"
#include "ui/solution/TopicWindow.h"

using namespace numora;
using namespace numora::testing;

Q_DECLARE_METATYPE(numora::Exercise)

class PracticeTest : public QObject {
  Q_OBJECT

 private slots:
  // The window works an exercise out with its own formulas and leaves what the pupil sees as it
  // was: the boxes, the results, the chosen conversion, the solution panel.
  void anExerciseIsWorkedOutWithoutTouchingTheWindow_data();
  void anExerciseIsWorkedOutWithoutTouchingTheWindow();
};

void PracticeTest::anExerciseIsWorkedOutWithoutTouchingTheWindow_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<QStringList>("typed");  // what the pupil had typed before
  QTest::addColumn<Exercise>("exercise");
  QTest::addColumn<QStringList>("written");  // what the window would write, in order
  QTest::addColumn<QString>("message");
  QTest::newRow("circle") << FormId::Form5 << QStringList{"Text1", "5"}
                          << Exercise{{{std::u16string(kRadius), 7}}, {&CircleArea}, 2}
                          << QStringList{"153.86", "43.96"} << QString();
  QTest::newRow("quadratic, whole roots")
      << FormId::Form13 << QStringList{"Text1", "1", "Text2", "0", "Text3", "1"}
      << Exercise{{{u"A", 2}, {u"B", -7}, {u"C", 3}}, {&FirstRoot, &SecondRoot}, 2}
      << QStringList{"0.5", "3"} << QString();
  QTest::newRow("quadratic, no real root")
      << FormId::Form13 << QStringList{}
      << Exercise{{{u"A", 1}, {u"B", 0}, {u"C", 4}}, {&FirstRoot, &SecondRoot}, 2}
      << QStringList{"", ""} << QStringLiteral(u"المعادلة لاتحل");
  QTest::newRow("temperature, none chosen before")
      << FormId::Form15 << QStringList{"Text1", "12"}
      << Exercise{{{std::u16string(kFahrenheit), 212}}, {&FahrenheitToCelsius}, 2}
      << QStringList{"100"} << QString();
}

void PracticeTest::anExerciseIsWorkedOutWithoutTouchingTheWindow() {
  QFETCH(FormId, id);
  QFETCH(QStringList, typed);
  QFETCH(Exercise, exercise);
  QFETCH(QStringList, written);
  QFETCH(QString, message);
  Program program;
  auto& window = program.form<TopicWindow>(id);
  QVERIFY(Type(window, typed));
  auto looks = [&window] {
    QStringList texts;
    for (auto* box : window.findChildren<QLineEdit*>()) texts << box->text();
    for (auto* label : window.findChildren<QLabel*>()) texts << label->text();
    for (auto* option : window.findChildren<QRadioButton*>())
      texts << QString::number(option->isChecked());
    return texts;
  };
  const QStringList before = looks();

  const WorkedExercise worked = window.work(exercise);

  QCOMPARE(looks(), before);
  QVERIFY(window.solutionPanel() == nullptr);
  QVERIFY(program.messages.shown.empty());
  QVERIFY(!worked.fault);
  QStringList results;
  for (const auto& result : worked.results) results << QString::fromStdU16String(result.text);
  QCOMPARE(results, written);
  QCOMPARE(QString::fromStdU16String(worked.message), message);
  QCOMPARE(worked.boxes.size(), exercise.inputs.size());
  QVERIFY(!worked.solution.lines.empty());
  // What the pupil is asked for is what the window wrote.
  const std::vector<Expected> expected = worked.expected(exercise);
  QCOMPARE(expected.size(), message.isEmpty() ? exercise.asked.size() : std::size_t{0});
  for (const Expected& answer : expected)
    QCOMPARE(QString::fromStdU16String(NumberToText(answer.value, {})),
             QString::fromStdU16String(worked.resultOf(*answer.formula)->text));
}

QTEST_MAIN(PracticeTest)
#include "test_practice.moc"
