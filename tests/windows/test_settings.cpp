// The settings window: its choices apply at once, are kept for the next run and are taken back
// from a settings file that holds them; a settings file that is empty, broken or unreadable starts
// the program with the defaults and no box. Another notation leaves nothing written in the last.
// The defaults an administrator gives every user of a computer hold where the user has no value of
// their own; a portable copy keeps its settings in the file beside it.

#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "app/MainMenuWindow.h"
#include "app/SettingsWindow.h"
#include "tests/windows/Harness.h"
#include "ui/platform/Choices.h"
#include "ui/platform/FormulaSetting.h"
#include "ui/platform/Settings.h"
#include "ui/platform/Utf16Text.h"
#include "ui/solution/PracticePane.h"
#include "ui/solution/SolutionPanel.h"
#include "ui/solution/TopicWindow.h"

Q_DECLARE_METATYPE(numora::FormulaDirection)

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
  void theComputersDefaultsHoldWhereTheUserHasNone_data();
  void theComputersDefaultsHoldWhereTheUserHasNone();
  void aPortableCopyKeepsItsSettingsBesideIt_data();
  void aPortableCopyKeepsItsSettingsBesideIt();
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

void SettingsTest::theComputersDefaultsHoldWhereTheUserHasNone_data() {
  QTest::addColumn<QByteArray>("own");  // the user's file; none: no file
  QTest::addColumn<QString>("style");
  QTest::addColumn<FormulaDirection>("direction");
  QTest::addColumn<int>("zoom");
  QTest::addColumn<bool>("panel");
  QTest::addColumn<int>("level");
  QTest::newRow("no file of the user's")
      << QByteArray() << u"mashriq"_qs << FormulaDirection::LeftToRight << 150 << false << 2;
  QTest::newRow("the user's style and zoom")
      << QByteArray("[view]\nzoom=125\n[formulas]\nstyle=moroccan\n") << u"moroccan"_qs
      << FormulaDirection::LeftToRight << 125 << false << 2;
  QTest::newRow("the user's direction, panel and level")
      << QByteArray("[formulas]\ndirection=rtl\n[view]\npanel=true\n[practice]\nlevel=easy\n")
      << u"mashriq"_qs << FormulaDirection::RightToLeft << 150 << true << 0;
}

// A lab's computer: the system-wide file (on Linux /etc/xdg/Numora/Numora.conf, here one of the
// test's) gives the Mashriq's letters left to right, millimetres, 150 %, the panel closed and the
// hardest level. A value the user has of their own holds over it; what the user chooses is written
// to the user's file, and the computer's is left as it was. (On Windows the same fallbacks are the
// registry's, HKEY_LOCAL_MACHINE under HKEY_CURRENT_USER, which the MSI package's test checks under
// Wine.)
void SettingsTest::theComputersDefaultsHoldWhereTheUserHasNone() {
#ifdef Q_OS_WIN
  QSKIP("the fallbacks are the registry's, checked with the MSI package");
#else
  QFETCH(QByteArray, own);
  QFETCH(QString, style);
  QFETCH(FormulaDirection, direction);
  QFETCH(int, zoom);
  QFETCH(bool, panel);
  QFETCH(int, level);
  QTemporaryDir user, computer;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, user.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, computer.path());
  const QByteArray defaults(
      "[formulas]\nstyle=mashriq\ndirection=ltr\nunit=mm\n[view]\nzoom=150\npanel=false\n"
      "[practice]\nlevel=hard\n");
  const auto write = [](const QString& file, const QByteArray& contents) {
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QFile written(file);
    QVERIFY(written.open(QIODevice::WriteOnly));
    QCOMPARE(written.write(contents), contents.size());
  };
  const QString computers = computer.filePath(u"Numora/Numora.conf"_qs);
  write(computers, defaults);
  if (!own.isNull()) write(user.filePath(u"Numora/Numora.conf"_qs), own);
  const Notation region({}, NotationStyle::Moroccan, FormulaDirection::LeftToRight);
  {
    SettingsStore store;
    FormulaSetting formulas(region, store);
    Choices choices(store);
    QCOMPARE(QString::fromLatin1(StyleKey(formulas.style()).data()), style);
    QCOMPARE(formulas.direction(), direction);
    QCOMPARE(formulas.notation().lengths, LengthUnit::Millimetre);
    QCOMPARE(choices.zoom(), zoom);
    QCOMPARE(choices.panelAtFirst(), panel);
    QCOMPARE(choices.level(), level);
    // Another style, in its own direction for the next run too, and another zoom.
    formulas.setStyle(NotationStyle::Maghreb);
    QCOMPARE(formulas.direction(), FormulaDirection::RightToLeft);
    choices.setZoom(200);
    QVERIFY(store.kept());
  }
  SettingsStore store;
  Notation maghreb = NotationOf(NotationStyle::Maghreb, NotationStyle::Moroccan, region);
  maghreb.lengths = LengthUnit::Millimetre;
  QCOMPARE(FormulaSetting(region, store).notation(), maghreb);
  QCOMPARE(Choices(store).zoom(), 200);
  QFile file(computers);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), defaults);
#endif
}

void SettingsTest::aPortableCopyKeepsItsSettingsBesideIt_data() {
  QTest::addColumn<QString>("beside");  // what is beside the program: "file", "folder" or none
  QTest::newRow("the zip's numora.ini") << u"file"_qs;
  QTest::newRow("nothing") << QString();
  QTest::newRow("a folder numora.ini") << u"folder"_qs;
}

// The portable zip carries numora.ini beside the program, and a copy that has it keeps its
// settings there; without one, or with a folder of that name, the program keeps the user's.
void SettingsTest::aPortableCopyKeepsItsSettingsBesideIt() {
  QFETCH(QString, beside);
  QTemporaryDir program;
  const QString ini = program.filePath(SettingsStore::kPortableName);
  if (beside == u"file"_qs) {
    QFile zips(u":/portable/numora.ini"_qs), copy(ini);
    QVERIFY(zips.open(QIODevice::ReadOnly));
    QVERIFY(copy.open(QIODevice::WriteOnly));
    QVERIFY(copy.write(zips.readAll()) > 0);
  } else if (beside == u"folder"_qs) {
    QVERIFY(QDir(program.path()).mkdir(SettingsStore::kPortableName));
  }
  const QString file = SettingsStore::PortableFile(program.path());
  QCOMPARE(file.isEmpty(), beside != u"file"_qs);
  if (file.isEmpty()) return;
  QCOMPARE(QFileInfo(file), QFileInfo(ini));
  // The zip's file, however it is commented, holds no choice; the first is kept in it.
  {
    SettingsStore store(file);
    FormulaSetting formulas(Notation({}, NotationStyle::Mashriq, FormulaDirection::RightToLeft),
                            store);
    Choices choices(store);
    QCOMPARE(formulas.style(), NotationStyle::Mashriq);
    QCOMPARE(choices.zoom(), 100);
    QVERIFY(choices.panelAtFirst());
    choices.setZoom(150);
    QVERIFY(store.kept());
  }
  SettingsStore again(file);
  QCOMPARE(Choices(again).zoom(), 150);
}

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
