// An exercise worked out by a window's own handler, and practice in the windows.
#include <QDir>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

#include "Harness.h"
#include "topics/algebra/AlgebraExercises.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/geometry/GeometryExercises.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/temperature/TemperatureExercises.h"
#include "topics/temperature/TemperatureFormulas.h"
#include "ui/frame/Zoom.h"
#include "ui/platform/FormulaSetting.h"
#include "ui/platform/Region.h"
#include "ui/solution/PracticePane.h"
#include "ui/solution/SolutionPanel.h"
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
  // F4, an answer typed and Enter, a hint, the solution and Escape: practice from the keyboard,
  // and the window as the pupil left it afterwards.
  void aRoundWithTheKeyboardAlone();
  // The temperature's conversion is the exercise's while it lasts, and the pupil's again after.
  void practiceKeepsTheConversionOfItsExercise();
  // The run's number, typed again in its box, gives the same exercises again.
  void typingTheRunsNumberRepeatsIt();
  // With NUMORA_PRACTICE_SHOTS naming a folder: a round of the circle, the quadratic and the
  // temperature (the narrowest layout), a hint and then the solution, written there as pictures
  // (NUMORA_PRACTICE_ZOOM: the zoom).
  void aRoundIsPhotographed();
};

namespace {

// What the pupil sees of a window's boxes and results, with their tooltips.
QStringList Looks(const QWidget& window) {
  QStringList texts;
  for (auto* box : window.findChildren<QLineEdit*>())
    if (!box->objectName().startsWith(QStringLiteral("Practice")))
      texts << box->text() + u'|' + box->toolTip() + u'|' + QString::number(box->isReadOnly());
  for (auto* label : window.findChildren<QLabel*>())
    if (label->frameShape() == QFrame::Panel) texts << label->text() + u'|' + label->toolTip();
  for (auto* option : window.findChildren<QRadioButton*>())
    texts << QString::number(option->isChecked()) + QString::number(option->isEnabled());
  return texts;
}

void TypeAnswer(QLineEdit* box, const QString& text) {
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(box, Qt::Key_Delete);
  for (const QChar letter : text)
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(letter), Qt::NoModifier);
}

QLabel* VerdictOf(QWidget& window, int row) {
  return window.findChildren<QLabel*>(QStringLiteral("PracticeVerdict")).value(row);
}

}  // namespace

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

void PracticeTest::aRoundWithTheKeyboardAlone() {
  Program program;
  program.registry.show(FormId::Form5);
  auto& window = program.form<TopicWindow>(FormId::Form5);
  QVERIFY(Type(window, {"Text1", "5"}));
  Calculate(program, FormId::Form5);
  QVERIFY(Type(window, {"Text1", "6"}));  // edited since: the results are out of date
  const QStringList before = Looks(window);
  const QString solutionBefore = window.solutionPanel()->text()->toPlainText();
  QVERIFY(window.practicePane() != nullptr);
  QVERIFY(window.practicePane()->answerBox(0) == nullptr);  // made at the first practice
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));

  QTest::keyClick(window.focusWidget(), Qt::Key_F4);
  PracticePane& pane = *window.practicePane();
  QVERIFY(pane.practising());
  const PracticeRound& round = *pane.round();
  const std::vector<AskedResult>& asked = round.asked();
  QCOMPARE(asked.size(), std::size_t{2});
  // The exercise's number in the box, read-only, and no result of other numbers anywhere.
  auto* radius = window.findChild<QLineEdit*>("Text1");
  QCOMPARE(radius->text(), QString::fromStdU16String(round.worked().boxes.front().text));
  QVERIFY(radius->isReadOnly());
  for (const char* result : {"Label2", "Label3"})
    QCOMPARE(window.findChild<QLabel*>(result)->text(), QString());
  QVERIFY(window.solutionPanel()->text()->toPlainText().isEmpty());
  QVERIFY(!window.findChild<QPushButton*>("Command1")->isEnabled());
  const QString problem = QString::fromStdU16String(round.problem());
  QVERIFY(problem.startsWith(u"دائرة نصف قطرها"_qs));
  // Every control the pupil reaches in the pane has an Arabic name.
  for (QWidget* control : pane.findChildren<QWidget*>())
    if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(&window))
      QVERIFY2(control->accessibleName().contains(QRegularExpression(u"[\u0600-\u06FF]"_qs)),
               qPrintable(control->objectName()));
  QVERIFY2(window.announced().startsWith(problem), qPrintable(window.announced()));

  // A wrong answer: its verdict, a step to look at, and both said.
  QLineEdit* area = pane.answerBox(0);
  QVERIFY(area->hasFocus());
  TypeAnswer(area, QStringLiteral("1"));
  QTest::keyClick(area, Qt::Key_Return);
  QVERIFY(!VerdictOf(window, 0)->text().isEmpty());
  auto* step = window.findChild<QWidget*>("PracticeHintStep");
  QVERIFY(step->isVisible() && !step->accessibleName().isEmpty());
  QVERIFY2(window.announced().contains(VerdictOf(window, 0)->text()),
           qPrintable(window.announced()));
  QVERIFY(window.announced().contains(step->accessibleName()));
  // Zoomed, the mark is drawn again in the size of the answer's text.
  QTest::keyClick(area, Qt::Key_Equal, Qt::ControlModifier);
  auto* mark = window.findChildren<QLabel*>(QStringLiteral("PracticeMark")).value(0);
  QCOMPARE(qRound(mark->pixmap().deviceIndependentSize().height()), area->fontMetrics().height());
  QTest::keyClick(area, Qt::Key_0, Qt::ControlModifier);
  QCOMPARE(round.outcome(), Outcome::Open);

  // "تلميح" gives the next step.
  const QString firstStep = step->accessibleName();
  QVERIFY(TabTo(window, "PracticeHintButton"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  QVERIFY(step->accessibleName() != firstStep);
  QVERIFY(window.announced().contains(step->accessibleName()));

  // Both right, in the region's digits: the exercise counts as right after hints.
  QVERIFY(TabTo(window, "PracticeAnswer1"));
  TypeAnswer(area, QString::fromStdU16String(asked[0].resultText));
  TypeAnswer(pane.answerBox(1), QString::fromStdU16String(asked[1].resultText));
  QTest::keyClick(pane.answerBox(1), Qt::Key_Return);
  QCOMPARE(round.outcome(), Outcome::RightAfterHints);
  QVERIFY(!VerdictOf(window, 1)->text().isEmpty());
  QVERIFY(window.announced().contains(u"صحيح"_qs));
  QVERIFY(pane.nextButton()->hasFocus());

  // The next exercise, answered with "الحل": the results in their fields, the steps in the panel.
  QTest::keyClick(pane.nextButton(), Qt::Key_Space);
  QCOMPARE(round.outcome(), Outcome::Open);
  QVERIFY(VerdictOf(window, 0)->text().isEmpty());
  QVERIFY(TabTo(window, "PracticeSolution"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  QCOMPARE(round.outcome(), Outcome::Shown);
  QCOMPARE(window.findChild<QLabel*>("Label2")->text(),
           QString::fromStdU16String(round.asked()[0].resultText));
  QVERIFY(window.solutionPanel()->isOpen());
  // The panel's text has a plain space where the problem keeps its unit with its number.
  QVERIFY(window.solutionPanel()->text()->toPlainText().contains(
      QString::fromStdU16String(round.problem()).replace(QChar(0xA0), u' ')));
  QCOMPARE(round.tally(), (Tally{0, 1, 1}));

  // Escape leaves practice, and gives back the boxes, results and panel as they were.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QVERIFY(!pane.practising());
  QVERIFY(window.isVisible());
  QCOMPARE(Looks(window), before);
  QCOMPARE(window.solutionPanel()->text()->toPlainText(), solutionBefore);
  QVERIFY(window.solutionPanel()->staleNote()->isVisibleTo(&window));
  QVERIFY(program.messages.shown.empty());
  // Then Escape goes back to the main menu, as it always did.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QVERIFY(!window.isVisible());
}

void PracticeTest::practiceKeepsTheConversionOfItsExercise() {
  Program program;
  program.registry.show(FormId::Form15);
  auto& window = program.form<TopicWindow>(FormId::Form15);
  QVERIFY(Type(window, {"Text1", "25"}));
  const QStringList before = Looks(window);
  window.practicePane()->start();
  const PracticeRound& round = *window.practicePane()->round();
  const QList<QRadioButton*> options = window.findChildren<QRadioButton*>();
  const auto chosen = std::count_if(options.begin(), options.end(),
                                    [](QRadioButton* option) { return option->isChecked(); });
  QCOMPARE(chosen, 1);
  for (QRadioButton* option : options) QVERIFY(!option->isEnabled());
  // The answer is the window's own, for the conversion it shows.
  TypeAnswer(window.practicePane()->answerBox(0),
             QString::fromStdU16String(round.asked()[0].resultText));
  QTest::keyClick(window.practicePane()->answerBox(0), Qt::Key_Return);
  QCOMPARE(round.outcome(), Outcome::RightFirstTry);
  window.practicePane()->nextButton()->click();
  window.practicePane()->leaveButton()->click();
  QCOMPARE(Looks(window), before);
}

void PracticeTest::typingTheRunsNumberRepeatsIt() {
  Program program(Numerals(u'٫', u'٠'));
  program.registry.show(FormId::Form13);
  auto& window = program.form<TopicWindow>(FormId::Form13);
  PracticePane& pane = *window.practicePane();
  pane.start();
  const QString seed = pane.seedBox()->text();
  auto equations = [&window, &pane] {
    QStringList typed;
    for (int n = 0; n < 4; ++n, pane.nextButton()->click())
      for (const char* box : {"Text1", "Text2", "Text3"})
        typed << window.findChild<QLineEdit*>(box)->text();
    return typed;
  };
  const QStringList first = equations();
  // Another run, then the first one's number typed in its own digits.
  pane.newRunButton()->click();
  TypeAnswer(pane.seedBox(), seed);
  QTest::keyClick(pane.seedBox(), Qt::Key_Return);
  QCOMPARE(pane.seedBox()->text(), seed);
  QCOMPARE(equations(), first);
  // A number no run has, beyond every double or behind a mark, gives the run a number of its own.
  for (const QString& typed : {u"1E400"_qs, u"\u200F9"_qs + QString(400, u'9')}) {
    TypeAnswer(pane.seedBox(), typed);
    QTest::keyClick(pane.seedBox(), Qt::Key_Return);
    QVERIFY(pane.seedBox()->text() != typed && !pane.seedBox()->text().isEmpty());
  }
}

void PracticeTest::aRoundIsPhotographed() {
  const QString folder = qEnvironmentVariable("NUMORA_PRACTICE_SHOTS");
  if (folder.isEmpty()) QSKIP("NUMORA_PRACTICE_SHOTS names no folder");
  QVERIFY(QDir().mkpath(folder));
  Program program(RegionNumerals(), RegionDirection(QLocale::system()));
  const int percent = qEnvironmentVariableIntValue("NUMORA_PRACTICE_ZOOM");
  for (int step = 0; program.registry.zoom().percent() < percent && step < 10; ++step)
    program.registry.zoom().enlarge();
  for (const auto& [id, wrong] : {std::pair{FormId::Form5, QStringLiteral("100")},
                                  {FormId::Form13, QStringLiteral("7")},
                                  {FormId::Form15, QStringLiteral("0")}}) {
    program.registry.show(id);
    auto& window = program.form<TopicWindow>(id);
    window.practicePane()->start();
    // The same run every time, so that the pictures can be compared.
    TypeAnswer(window.practicePane()->seedBox(), QStringLiteral("2024"));
    QTest::keyClick(window.practicePane()->seedBox(), Qt::Key_Return);
    TypeAnswer(window.practicePane()->answerBox(0), wrong);
    QTest::keyClick(window.practicePane()->answerBox(0), Qt::Key_Return);
    const QString name = folder + u'/' + window.objectName();
    QVERIFY(window.grab().save(name + QStringLiteral("-hint.png")));
    // Whatever the zoom, the pane's controls stay inside it and whole; the window shows the pane
    // whole, or scrolls it where the screen is too small (test_zoom).
    PracticePane* pane = window.practicePane();
    for (QWidget* control : pane->findChildren<QWidget*>()) {
      if (!control->isVisibleTo(&window) || control->children().size() > 3) continue;
      const QRect placed(control->mapTo(pane, QPoint()), control->size());
      QVERIFY2(pane->rect().contains(placed), qPrintable(control->objectName()));
      QVERIFY2(control->width() >= control->minimumSizeHint().width(),
               qPrintable(window.objectName() + u' ' + control->metaObject()->className() + u' ' +
                          control->objectName() + u' ' + control->accessibleName()));
    }
    window.practicePane()->solutionButton()->click();
    QVERIFY(window.grab().save(name + QStringLiteral("-solution.png")));
  }
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
