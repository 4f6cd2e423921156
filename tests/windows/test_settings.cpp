// The settings window: its choices apply at once, are kept for the next run and are taken back
// from a settings file that holds them; a settings file that is empty, broken or unreadable starts
// the program with the defaults and no box. Another notation leaves nothing written in the last.

#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "app/MainMenuWindow.h"
#include "app/SettingsWindow.h"
#include "tests/windows/Harness.h"
#include "ui/platform/Choices.h"
#include "ui/platform/FormulaSetting.h"
#include "ui/platform/Utf16Text.h"
#include "ui/solution/PracticePane.h"
#include "ui/solution/SolutionPanel.h"
#include "ui/solution/TopicWindow.h"

using namespace numora;
using namespace numora::testing;

namespace {

// The settings window, opened from the main menu's "ملف" as a pupil does.
SettingsWindow& OpenFromMenu(Program& program) {
  auto& menu = program.form<MainMenuWindow>(FormId::Form1);
  menu.show();
  menu.settings->trigger();
  return *program.registry.settings();
}

// The circle window after a click with radius 7; its solution panel as the click left it.
TopicWindow& CircleOf7(Program& program) {
  auto& circle = program.form<TopicWindow>(FormId::Form5);
  circle.show();
  Type(circle, {"Text1", "7"});
  Calculate(program, FormId::Form5);
  return circle;
}

QString TipOf(TopicWindow& window, const char* field) {
  return WithoutBidiMarks(window.findChild<QLabel*>(field)->toolTip());
}

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void choicesAreKeptForTheNextRun();
  void aBadSettingsFileStartsWithTheDefaults_data();
  void aBadSettingsFileStartsWithTheDefaults();
  void ctrlCommaOpensOneSettingsWindowFromEveryWindow();
  void anotherNotationMarksWhatWasWrittenInTheLast();
};

// A notation, a zoom and the panel chosen from the keyboard and with the mouse, and a practice
// level: after a restart on the same settings file every one is there, and the panel waits for F2.
void SettingsTest::choicesAreKeptForTheNextRun() {
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("numora.ini"));
  {
    Program program({}, FormulaDirection::LeftToRight, file);
    SettingsWindow& settings = OpenFromMenu(program);
    QVERIFY(QTest::qWaitForWindowActive(&settings));
    QCOMPARE(settings.objectName(), u"SettingsWindow"_qs);
    QCOMPARE(settings.windowTitle(), u"الإعدادات"_qs);
    QCOMPARE(settings.layoutDirection(), Qt::RightToLeft);
    // Every control says what it is to a screen reader, in Arabic.
    for (QWidget* control : std::initializer_list<QWidget*>{
             settings.notation[0], settings.notation[1], settings.notation[2], settings.zoomBox,
             settings.unitBox, settings.panelBox, settings.closeButton})
      QVERIFY2(control->accessibleName().contains(QRegularExpression(u"[\u0600-\u06FF]"_qs)),
               qPrintable(control->objectName()));
    // What the program has at first: the region's notation, 100 %, the panel at the first click.
    QVERIFY(settings.notation[0]->isChecked());
    QCOMPARE(settings.zoomBox->currentText(), u"100 ٪"_qs);
    QVERIFY(settings.panelBox->isChecked());

    // From the keyboard: the next notation by arrow, then Tab to the zoom, then to the panel.
    QCOMPARE(QApplication::focusWidget(), settings.notation[0]);
    QTest::keyClick(settings.notation[0], Qt::Key_Down);
    QCOMPARE(program.registry.formulas().style(), NotationStyle::Maghreb);
    QVERIFY(TabTo(settings, "ZoomBox"));
    QTest::keyClick(settings.zoomBox, Qt::Key_Down);
    QCOMPARE(program.registry.zoom().percent(), 125);
    // The unit: centimetres at first, then millimetres, by the arrow.
    QVERIFY(TabTo(settings, "UnitBox"));
    QCOMPARE(settings.unitBox->currentText(), u"سنتيمتر (سم)"_qs);
    QTest::keyClick(settings.unitBox, Qt::Key_Down);
    QCOMPARE(program.registry.formulas().lengthUnit(), LengthUnit::Millimetre);
    QVERIFY(TabTo(settings, "PanelBox"));
    QTest::keyClick(settings.panelBox, Qt::Key_Space);
    QVERIFY(!program.registry.choices().panelAtFirst());
    QVERIFY(TabTo(settings, "CloseButton"));
    // With the mouse: the third notation and a zoom further down the list.
    QTest::mouseClick(settings.notation[2], Qt::LeftButton);
    QCOMPARE(program.registry.formulas().style(), NotationStyle::Moroccan);
    settings.zoomBox->setCurrentIndex(settings.zoomBox->findText(u"200 ٪"_qs));
    QCOMPARE(program.registry.zoom().percent(), 200);
    // The zoom's keys in any window show in the window too.
    QTest::keyClick(settings.closeButton, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(settings.zoomBox->currentText(), u"175 ٪"_qs);
    QTest::keyClick(settings.closeButton, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(program.registry.zoom().percent(), 200);
    QTest::keyClick(settings.closeButton, Qt::Key_Space);
    QVERIFY(!settings.isVisible());

    // The practice level, chosen in a topic window's pane.
    auto& circle = program.form<TopicWindow>(FormId::Form5);
    circle.show();
    circle.practicePane()->start();
    circle.practicePane()->levelBox()->setCurrentIndex(2);
    circle.practicePane()->leave();
    QCOMPARE(program.registry.choices().level(), 2);
    QVERIFY(program.messages.shown.empty());
  }

  Program again({}, FormulaDirection::LeftToRight, file);
  QCOMPARE(again.registry.formulas().style(), NotationStyle::Moroccan);
  QCOMPARE(again.registry.zoom().percent(), 200);
  SettingsWindow& settings = OpenFromMenu(again);
  QVERIFY(settings.notation[2]->isChecked());
  QCOMPARE(settings.zoomBox->currentText(), u"200 ٪"_qs);
  // The unit's sign in the notation's letters.
  QCOMPARE(settings.unitBox->currentText(), u"مليمتر (mm)"_qs);
  QVERIFY(!settings.panelBox->isChecked());
  settings.close();
  // The first click leaves the panel closed; F2 opens it, with the click's solution.
  TopicWindow& circle = CircleOf7(again);
  QVERIFY(circle.solutionPanel() != nullptr);
  QVERIFY(!circle.solutionPanel()->isOpen());
  QVERIFY(QTest::qWaitForWindowExposed(&circle));
  QTest::keyClick(&circle, Qt::Key_F2);
  QVERIFY(circle.solutionPanel()->isOpen());
  const QString solution = WithoutBidiMarks(circle.solutionPanel()->text()->toPlainText());
  QVERIFY2(solution.contains(u"49π ≈ 153,86 mm²"_qs), qPrintable(solution));
  // A pane made in this run begins at the level kept.
  circle.practicePane()->start();
  QCOMPARE(circle.practicePane()->levelBox()->currentIndex(), 2);
  circle.practicePane()->leave();
  QVERIFY(again.messages.shown.empty());
}

void SettingsTest::aBadSettingsFileStartsWithTheDefaults_data() {
  QTest::addColumn<QByteArray>("contents");  // the file's bytes; none: a folder in its place
  QTest::newRow("empty") << QByteArray("");
  QTest::newRow("garbage") << QByteArray("\0\xff junk", 7);
  QTest::newRow("zoom too large") << QByteArray("[view]\nzoom=9999\n");
  QTest::newRow("zoom no number") << QByteArray("[view]\nzoom=abc\npanel=abc\n");
  QTest::newRow("zoom between steps") << QByteArray("[view]\nzoom=130\n");
  QTest::newRow("unknown words") << QByteArray(
      "[view]\nzoom=-100\npanel=\n[practice]\nlevel=9\n[formulas]\nstyle=martian\nunit=inch\n");
  QTest::newRow("binary in a group") << QByteArray("[view]\nzoom=\xff\xfe\0\x01\n", 17);
  QTest::newRow("unreadable") << QByteArray();
}

// Whatever the file holds, the program starts at 100 %, with the region's notation, the panel at
// the first click and the easiest level, and shows no box.
void SettingsTest::aBadSettingsFileStartsWithTheDefaults() {
  QFETCH(QByteArray, contents);
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("numora.ini"));
  if (contents.isNull()) {
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("numora.ini")));
  } else {
    QFile written(file);
    QVERIFY(written.open(QIODevice::WriteOnly));
    QCOMPARE(written.write(contents), contents.size());
  }
  Program program({}, FormulaDirection::LeftToRight, file);
  QCOMPARE(program.registry.zoom().percent(), 100);
  QCOMPARE(program.registry.formulas().style(), NotationStyle::Mashriq);
  QVERIFY(program.registry.choices().panelAtFirst());
  QCOMPARE(program.registry.choices().level(), 0);
  QCOMPARE(program.registry.formulas().lengthUnit(), LengthUnit::Centimetre);
  TopicWindow& circle = CircleOf7(program);
  QVERIFY(circle.solutionPanel()->isOpen());
  QCOMPARE(circle.zoomFactor(), 1.0);
  SettingsWindow& settings = OpenFromMenu(program);
  QVERIFY(settings.notation[0]->isChecked());
  QCOMPARE(settings.zoomBox->currentText(), u"100 ٪"_qs);
  QVERIFY(settings.panelBox->isChecked());
  // A choice made where nothing can be kept holds, and the window says so quietly.
  settings.panelBox->click();
  QVERIFY(!program.registry.choices().panelAtFirst());
  QCOMPARE(settings.notKept->isVisibleTo(&settings), contents.isNull());
  QVERIFY(program.messages.shown.empty());
}

// Ctrl+, opens the settings from a topic window, the calculator and the main menu, the same
// window each time, in front; Escape closes it and leaves the window it was opened from.
void SettingsTest::ctrlCommaOpensOneSettingsWindowFromEveryWindow() {
  Program program;
  const QKeySequence key = program.form<MainMenuWindow>(FormId::Form1).settings->shortcut();
  QCOMPARE(key, QKeySequence(Qt::CTRL | Qt::Key_Comma));
  SettingsWindow* settings = nullptr;
  for (FormId id : {FormId::Form5, FormId::Form16, FormId::Form1, FormId::Form13}) {
    FormWindow& window = program.registry.form(id);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_Comma,
                    Qt::ControlModifier);
    QVERIFY2(program.registry.settings() != nullptr, qPrintable(window.objectName()));
    if (settings == nullptr) settings = program.registry.settings();
    QCOMPARE(program.registry.settings(), settings);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(settings));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!settings->isVisible());
    QVERIFY(window.isVisible());
  }
  int windows = 0;
  for (QWidget* top : QApplication::topLevelWidgets())
    windows += top->objectName() == "SettingsWindow";
  QCOMPARE(windows, 1);
  QCOMPARE(program.end.calls, 0);
  QVERIFY(program.messages.shown.empty());
}

// A result's formula is written again in a new notation, its letters too; a click's results and
// solution written in the last one are out of date until the next click, also when the notation was
// chosen in practice. Another direction alone (F3) leaves them as they are.
void SettingsTest::anotherNotationMarksWhatWasWrittenInTheLast() {
  Program program;
  SettingsWindow& settings = OpenFromMenu(program);
  auto& circle = program.form<TopicWindow>(FormId::Form5);
  circle.show();
  QVERIFY2(TipOf(circle, "Label2").contains(u"نق"_qs), qPrintable(TipOf(circle, "Label2")));
  settings.notation[2]->click();
  QVERIFY2(
      TipOf(circle, "Label2").contains(u"r²"_qs) && !TipOf(circle, "Label2").contains(u"نق"_qs),
      qPrintable(TipOf(circle, "Label2")));

  CircleOf7(program);
  SolutionPanel& panel = *circle.solutionPanel();
  QVERIFY(circle.calculation().outOfDate().empty());
  QVERIFY(QTest::qWaitForWindowExposed(&circle));
  QTest::keyClick(&circle, Qt::Key_F3);
  QVERIFY(circle.calculation().outOfDate().empty());
  QVERIFY(!TipOf(circle, "Label2").contains(u"طريقة الكتابة"_qs));

  settings.notation[1]->click();
  for (const char* result : {"Label2", "Label3"})
    QVERIFY2(TipOf(circle, result).contains(u"تغيرت طريقة الكتابة"_qs),
             qPrintable(TipOf(circle, result)));
  QVERIFY(!circle.calculation().outOfDate().empty());
  QVERIFY(panel.staleNote()->isVisibleTo(&panel));
  // The next click writes it all in the Maghreb's notation.
  Calculate(program, FormId::Form5);
  QVERIFY(circle.calculation().outOfDate().empty());
  QVERIFY(!panel.staleNote()->isVisibleTo(&panel));
  QVERIFY(!TipOf(circle, "Label2").contains(u"طريقة الكتابة"_qs));
  QVERIFY2(WithoutBidiMarks(panel.text()->toPlainText()).contains(u"153,86"_qs),
           qPrintable(panel.text()->toPlainText()));

  // Chosen in practice: the exercise is not marked; what the pupil had is, once practice ends.
  circle.practicePane()->start();
  settings.notation[0]->click();
  QVERIFY(!panel.staleNote()->isVisibleTo(&panel));
  circle.practicePane()->leave();
  QVERIFY(!circle.calculation().outOfDate().empty());
  QVERIFY(TipOf(circle, "Label2").contains(u"تغيرت طريقة الكتابة"_qs));
  QVERIFY(panel.staleNote()->isVisibleTo(&panel));
  QVERIFY(program.messages.shown.empty());
}

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
