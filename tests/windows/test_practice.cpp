// An exercise worked out by a window's own handler, and practice in the windows.
#include <QRadioButton>
#include <QtTest>

#include "Harness.h"
#include "topics/algebra/AlgebraExercises.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/geometry/GeometryExercises.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/temperature/TemperatureExercises.h"
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
  // Every exercise of every window, at every level, is worked out by its window without a fault:
  // its numbers go into the boxes that read them under their names, and every result asked for is
  // written (an equation with no real root says so instead).
  void everyExerciseIsWorkedOutByItsWindow();
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

void PracticeTest::everyExerciseIsWorkedOutByItsWindow() {
  const std::pair<FormId, ExerciseOf> topics[] = {
      {FormId::Form2, RootExercise},        {FormId::Form3, PowerExercise},
      {FormId::Form11, PythagorasExercise}, {FormId::Form13, QuadraticExercise},
      {FormId::Form8, TriangleExercise},    {FormId::Form6, RectangleExercise},
      {FormId::Form4, TrapezoidExercise},   {FormId::Form5, CircleExercise},
      {FormId::Form7, CuboidExercise},      {FormId::Form9, SphereExercise},
      {FormId::Form12, CylinderExercise},   {FormId::Form15, TemperatureExercise}};
  Program program;
  for (const auto& [id, exercises] : topics) {
    auto& window = program.form<TopicWindow>(id);
    for (const Level level : {Level::Easy, Level::Medium, Level::Hard}) {
      Random random(static_cast<std::uint64_t>(id) * 7 + static_cast<int>(level));
      for (int n = 0; n < 40; ++n) {
        const Exercise exercise = exercises(level, random);
        const WorkedExercise worked = window.work(exercise);
        const QString where = QStringLiteral("%1, level %2, exercise %3")
                                  .arg(window.windowTitle())
                                  .arg(static_cast<int>(level))
                                  .arg(n);
        QVERIFY2(!worked.fault && worked.failure.empty(), qPrintable(where));
        QVERIFY2(worked.boxes.size() == exercise.inputs.size(), qPrintable(where));
        for (const auto& [name, value] : exercise.inputs) {
          const double* read = worked.solution.values.find(name);
          QVERIFY2(read != nullptr && *read == value, qPrintable(where));
        }
        const std::size_t answers = worked.expected(exercise).size();
        QVERIFY2(answers == exercise.asked.size() || (answers == 0 && !worked.message.empty()),
                 qPrintable(where));
      }
    }
  }
  QVERIFY(program.messages.shown.empty());
}

QTEST_MAIN(PracticeTest)
#include "test_practice.moc"
