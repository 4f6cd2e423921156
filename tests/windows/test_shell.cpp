// The application shell: window registry, navigation, ending the program, the splash hand-over,
// the main menu, the about and help windows and the program's options, driven through the real
// windows on the offscreen platform.
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <set>

#include "app/AboutWindow.h"
#include "app/HelpWindow.h"
#include "app/MainMenuWindow.h"
#include "app/SplashWindow.h"
#include "tests/windows/Harness.h"
#include "ui/frame/Twips.h"
#include "ui/platform/Faces.h"

using namespace numora;
using numora::testing::Program;

namespace {

const FormId kAllForms[] = {FormId::Form1,  FormId::Form2,  FormId::Form3,  FormId::Form4,
                            FormId::Form5,  FormId::Form6,  FormId::Form7,  FormId::Form8,
                            FormId::Form9,  FormId::Form10, FormId::Form11, FormId::Form12,
                            FormId::Form13, FormId::Form14, FormId::Form15, FormId::Form16};

QPushButton* MainButton(FormWindow& window) {
  for (QPushButton* button : window.findChildren<QPushButton*>())
    if (button->text() == QStringLiteral(u"الرئيسية")) return button;
  return nullptr;
}

// Records the order in which windows are shown and hidden.
class ShowHideLog : public QObject {
 public:
  QStringList entries;
  void watch(QWidget* window) { window->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) entries << "show " + watched->objectName();
    if (event->type() == QEvent::Hide) entries << "hide " + watched->objectName();
    return false;
  }
};

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT

 private slots:
  void windowsHaveTheirCaptionAndFixedSize();
  void mainMenuOpensEachWindowAndItReturns();
  void returnButtonsKeepTheirOrderOfSteps_data();
  void returnButtonsKeepTheirOrderOfSteps();
  void closingAnyWindowEndsTheProgram();
  void closingTheSplashBeforeHandOverNeverShowsTheMenu();
  void exitButtonAndMenuItemEndTheProgram();
  void aboutButtonAndMenuItemOpenTheSameWindow();
  void splashHandsOverOnTheEleventhTick();
  void mainMenuStartsOnFirstButtonAndTabsInOrder();
  void windowsAreCentredOnceAndKeepTheirPlace();
  void aboutShowsTheVersionAndLicenceClearOfEverything_data();
  void aboutShowsTheVersionAndLicenceClearOfEverything();
  void f1OpensOneHelpWindowFromEveryWindow();
  void helpNamesEveryWindowAndKey();
  void optionsPrintAndEnd_data();
  void optionsPrintAndEnd();
};

// Every window as its look asks: its caption, a fixed size that is its client area's twips, no
// button to minimise or maximise it, a title bar and a taskbar button where the look has them,
// and its controls placed left to right as the layout gives them.
void ShellTest::windowsHaveTheirCaptionAndFixedSize() {
  for (FormId id : kAllForms) {
    Program program;
    FormWindow& window = program.registry.form(id);
    window.show();
    const FormLook& look = window.look();
    const QString where = window.objectName();
    QCOMPARE(window.windowTitle(), QString::fromUtf16(look.caption));
    QCOMPARE(window.clientArea()->size(), TwipsSize(look.clientWidth, look.clientHeight));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY2(!(flags & Qt::WindowMinimizeButtonHint), qPrintable(where));
    QVERIFY2(!(flags & Qt::WindowMaximizeButtonHint), qPrintable(where));
    QCOMPARE(flags.testFlag(Qt::FramelessWindowHint), look.frame == FormLook::Frame::None);
    QCOMPARE((flags & Qt::WindowType_Mask) == Qt::Tool, !look.taskbarButton);
    QCOMPARE(window.layoutDirection(), Qt::LeftToRight);
  }
}

void ShellTest::mainMenuOpensEachWindowAndItReturns() {
  Program program;
  auto& menu = program.form<MainMenuWindow>(FormId::Form1);
  menu.show();
  const std::pair<QPushButton*, FormId> buttons[] = {
      {menu.triangleButton, FormId::Form8},     {menu.rootsButton, FormId::Form2},
      {menu.cylinderButton, FormId::Form12},    {menu.sphereButton, FormId::Form9},
      {menu.powersButton, FormId::Form3},       {menu.circleButton, FormId::Form5},
      {menu.pythagorasButton, FormId::Form11},  {menu.trapezoidButton, FormId::Form4},
      {menu.quadraticButton, FormId::Form13},   {menu.rectangleButton, FormId::Form6},
      {menu.cuboidButton, FormId::Form7},       {menu.aboutButton, FormId::Form10},
      {menu.temperatureButton, FormId::Form15}, {menu.calculatorButton, FormId::Form16}};
  for (int round = 0; round < 2; ++round) {
    for (const auto& [button, target] : buttons) {
      FormWindow* before = program.registry.created(target);
      button->click();
      FormWindow* opened = program.registry.created(target);
      QVERIFY(opened != nullptr);
      if (round > 0) QCOMPARE(opened, before);  // the same window object every time
      QCOMPARE(program.visible(), std::vector<FormWindow*>{opened});
      QPushButton* back = MainButton(*opened);
      QVERIFY2(back != nullptr, qPrintable(opened->windowTitle()));
      back->click();
      QCOMPARE(program.visible(), std::vector<FormWindow*>{&menu});
    }
  }
  QVERIFY(program.registry.created(FormId::Form14) == nullptr);  // no path leads to the splash
  QCOMPARE(program.end.calls, 0);
  QVERIFY(program.messages.shown.empty());
}

void ShellTest::returnButtonsKeepTheirOrderOfSteps_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<bool>("showsMainFirst");
  for (FormId id : {FormId::Form2, FormId::Form4, FormId::Form10, FormId::Form13, FormId::Form15})
    QTest::newRow(qPrintable(QString::number(static_cast<int>(id)))) << id << true;
  for (FormId id : {FormId::Form3, FormId::Form5, FormId::Form6, FormId::Form7, FormId::Form8,
                    FormId::Form9, FormId::Form11, FormId::Form12, FormId::Form16})
    QTest::newRow(qPrintable(QString::number(static_cast<int>(id)))) << id << false;
}

void ShellTest::returnButtonsKeepTheirOrderOfSteps() {
  QFETCH(FormId, id);
  QFETCH(bool, showsMainFirst);
  Program program;
  FormWindow& menu = program.registry.form(FormId::Form1);
  FormWindow& window = program.registry.form(id);
  menu.setObjectName("menu");
  window.setObjectName("window");
  window.show();
  ShowHideLog log;
  log.watch(&menu);
  log.watch(&window);
  MainButton(window)->click();
  const QStringList expected = showsMainFirst ? QStringList{"show menu", "hide window"}
                                              : QStringList{"hide window", "show menu"};
  QCOMPARE(log.entries, expected);
}

void ShellTest::closingAnyWindowEndsTheProgram() {
  for (FormId id : kAllForms) {
    Program program;
    FormWindow& window = program.registry.form(id);
    window.show();
    QVERIFY(window.close());
    QCOMPARE(program.end.calls, 1);
    // Nothing is shown on the way out; closing the main menu does not bring anything back.
    QVERIFY(program.visible().empty());
  }
}

void ShellTest::closingTheSplashBeforeHandOverNeverShowsTheMenu() {
  Program program;
  auto& splash = program.form<SplashWindow>(FormId::Form14);
  splash.show();
  splash.tick();
  splash.close();
  QCOMPARE(program.end.calls, 1);
  QVERIFY(program.registry.created(FormId::Form1) == nullptr);
}

void ShellTest::exitButtonAndMenuItemEndTheProgram() {
  Program program;
  auto& menu = program.form<MainMenuWindow>(FormId::Form1);
  menu.show();
  menu.exitButton->click();
  QCOMPARE(program.end.calls, 1);
  menu.exit->trigger();
  QCOMPARE(program.end.calls, 2);
  QCOMPARE(menu.file->title(), QStringLiteral(u"ملف"));
  const QList<QAction*> items = menu.file->actions();
  QCOMPARE(items.size(), 4);
  QCOMPARE(items[0]->text(), QStringLiteral(u"ورقة تمارين…"));
  QCOMPARE(items[1]->text(), QStringLiteral(u"الإعدادات"));
  QCOMPARE(items[2]->text(), QStringLiteral(u"عن البرنامج"));
  QCOMPARE(items[3]->text(), QStringLiteral(u"خروج"));
  // Only the settings show a key, the one every window takes.
  for (QAction* item : items)
    QCOMPARE(item->shortcut(),
             item == menu.settings ? QKeySequence(Qt::CTRL | Qt::Key_Comma) : QKeySequence());
  // The menu bar stays in the window on desktops with a global menu bar.
  const auto* bar = menu.findChild<QMenuBar*>();
  QVERIFY(bar != nullptr && !bar->isNativeMenuBar());
}

void ShellTest::aboutButtonAndMenuItemOpenTheSameWindow() {
  Program program;
  auto& menu = program.form<MainMenuWindow>(FormId::Form1);
  menu.show();
  menu.program->trigger();
  FormWindow* fromMenu = program.registry.created(FormId::Form10);
  QVERIFY(fromMenu != nullptr);
  QCOMPARE(program.visible(), std::vector<FormWindow*>{fromMenu});
  MainButton(*fromMenu)->click();
  menu.aboutButton->click();
  QCOMPARE(program.visible(), std::vector<FormWindow*>{program.registry.created(FormId::Form10)});
  QCOMPARE(program.registry.created(FormId::Form10), fromMenu);
}

void ShellTest::splashHandsOverOnTheEleventhTick() {
  Program program;
  program.registry.show(FormId::Form14);
  auto& splash = program.form<SplashWindow>(FormId::Form14);
  QCOMPARE(splash.timer->interval(), 700);
  QVERIFY(splash.timer->isActive());
  QCOMPARE(splash.progress->minimum(), 0);
  QCOMPARE(splash.progress->maximum(), 10);
  QCOMPARE(splash.progress->value(), 0);
  for (int tick = 1; tick <= 10; ++tick) {
    splash.tick();
    QCOMPARE(splash.progress->value(), tick);
  }
  // Full, but still the splash: the menu waits one more tick.
  QVERIFY(program.registry.created(FormId::Form1) == nullptr);
  QCOMPARE(program.visible(), std::vector<FormWindow*>{&splash});
  splash.tick();
  QCOMPARE(program.visible(), std::vector<FormWindow*>{program.registry.created(FormId::Form1)});
  QVERIFY(!splash.timer->isActive());
  QCOMPARE(splash.progress->value(), 10);
  QVERIFY(program.messages.shown.empty());
}

void ShellTest::mainMenuStartsOnFirstButtonAndTabsInOrder() {
  Program program;
  auto& menu = program.form<MainMenuWindow>(FormId::Form1);
  program.registry.show(FormId::Form1);
  QCOMPARE(menu.focusWidget(), menu.triangleButton);
  const QStringList expected = {"Command1",  "Command2",  "Command3",  "Command4",  "Command5",
                                "Command6",  "Command7",  "Command8",  "Command9",  "Command10",
                                "Command11", "Command12", "Command13", "Command14", "cmdCommand15"};
  QStringList walked;
  QWidget* widget = menu.triangleButton;
  do {
    if (widget->focusPolicy() & Qt::TabFocus && widget->isVisibleTo(&menu))
      walked << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != menu.triangleButton && walked.size() < 40);
  QCOMPARE(walked, expected);
}

void ShellTest::windowsAreCentredOnceAndKeepTheirPlace() {
  Program program;
  FormWindow& window = program.registry.form(FormId::Form3);
  window.show();
  const QPoint centre = window.screen()->availableGeometry().center();
  QVERIFY((window.frameGeometry().center() - centre).manhattanLength() <= 2);
  window.move(37, 41);
  window.hide();
  window.show();
  QCOMPARE(window.pos(), QPoint(37, 41));
}

void ShellTest::aboutShowsTheVersionAndLicenceClearOfEverything_data() {
  QTest::addColumn<int>("percent");
  for (int percent : {100, 300}) QTest::newRow(qPrintable(QString::number(percent))) << percent;
}

// The two lines under the starfield: whole, inside the window, and over no control, line or
// picture of the layout, at the smallest and the largest zoom.
void ShellTest::aboutShowsTheVersionAndLicenceClearOfEverything() {
  QFETCH(int, percent);
  UseLayoutFaces();
  Program program;
  while (program.registry.zoom().percent() < percent) program.registry.zoom().enlarge();
  auto& about = program.form<AboutWindow>(FormId::Form10);
  about.show();
  QCOMPARE(about.version->text(), QStringLiteral(u"الإصدار " NUMORA_VERSION));
  for (const char16_t* words :
       {u"برنامج حر", u"رخصة جنو العمومية، الإصدار 3 أو أي إصدار لاحق", u"دون أي ضمان"})
    QVERIFY2(about.licence->text().contains(QString::fromUtf16(words)),
             qPrintable(about.licence->text()));

  const double zoom = program.registry.zoom().factor();
  std::vector<QRect> taken;
  for (const Decoration& decoration : about.clientArea()->decorations()) {
    if (const auto* picture = std::get_if<Picture>(&decoration))
      taken.push_back(
          TwipsRect(picture->left, picture->top, picture->width, picture->height, zoom));
    if (const auto* line = std::get_if<Line>(&decoration))
      taken.push_back(QRect(TwipsPoint(line->x1, line->y1, zoom),
                            TwipsPoint(line->x2, line->y2, zoom) + QPoint(1, 1) * qRound(zoom)));
  }
  const QRect window(QPoint(), about.clientArea()->size());
  for (QWidget* control : about.clientArea()->findChildren<QWidget*>())
    QVERIFY2(window.contains(control->geometry()), qPrintable(control->objectName()));
  for (QLabel* line : {about.version, about.licence}) {
    const QSize whole = line->sizeHint();
    QVERIFY2(line->width() >= whole.width() && line->height() >= whole.height(),
             qPrintable(line->objectName()));
    for (QWidget* control : about.clientArea()->findChildren<QWidget*>())
      QVERIFY2(control == line || !control->geometry().intersects(line->geometry()),
               qPrintable(line->objectName() + " over " + control->objectName()));
    for (const QRect& drawn : taken)
      QVERIFY2(!drawn.intersects(line->geometry()), qPrintable(line->objectName()));
  }
}

// F1 opens the help from every kind of window, the same window each time, in front; Escape
// closes it.
void ShellTest::f1OpensOneHelpWindowFromEveryWindow() {
  Program program;
  HelpWindow* help = nullptr;
  for (FormId id : {FormId::Form1, FormId::Form5, FormId::Form16, FormId::Form10, FormId::Form3}) {
    FormWindow& window = program.registry.form(id);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_F1);
    QVERIFY2(program.registry.help() != nullptr, qPrintable(window.objectName()));
    if (help == nullptr) help = program.registry.help();
    QCOMPARE(program.registry.help(), help);
    QVERIFY(help->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(help));
    QCOMPARE(help->objectName(), u"HelpWindow"_qs);
    QCOMPARE(help->windowTitle(), u"المساعدة"_qs);
    QCOMPARE(help->layoutDirection(), Qt::RightToLeft);
    QVERIFY(help->text->isReadOnly());
    if (id == FormId::Form10) continue;  // open still when F1 comes again
    QTest::keyClick(help->text, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    QVERIFY(window.isVisible());  // the window it was opened from stays
  }
  QCOMPARE(program.end.calls, 0);
  QVERIFY(program.messages.shown.empty());
  int helps = 0;
  for (QWidget* top : QApplication::topLevelWidgets()) helps += top->objectName() == "HelpWindow";
  QCOMPARE(helps, 1);
}

// The help describes every window of the main menu by its caption there, and names every key a
// window takes (its shortcuts) and the zoom's and the settings' keys, as Qt writes them.
void ShellTest::helpNamesEveryWindowAndKey() {
  Program program;
  program.registry.openHelp();
  const QString help = program.registry.help()->text->toPlainText();
  auto& menu = program.form<MainMenuWindow>(FormId::Form1);
  for (const QPushButton* button : menu.findChildren<QPushButton*>())
    if (button != menu.aboutButton && button != menu.exitButton)
      QVERIFY2(help.contains(button->text()), qPrintable(button->text()));

  std::set<QString> keys;
  for (FormId id : {FormId::Form1, FormId::Form5, FormId::Form10, FormId::Form16})
    for (const QShortcut* shortcut : program.registry.form(id).findChildren<QShortcut*>())
      keys.insert(shortcut->key().toString(QKeySequence::PortableText));
  // The windows' own keys are all there to be named.
  for (const char* key : {"F1", "F2", "F3", "F4", "Ctrl+P", "Ctrl+Alt+P", "Ctrl+Shift+P"})
    QVERIFY2(keys.count(QString::fromLatin1(key)) == 1, key);
  for (const QKeySequence& key :
       {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Minus),
        QKeySequence(Qt::CTRL | Qt::Key_0), QKeySequence(Qt::CTRL | Qt::Key_Comma)})
    keys.insert(key.toString(QKeySequence::PortableText));
  for (const QString& key : keys) QVERIFY2(help.contains(key), qPrintable(key));
}

void ShellTest::optionsPrintAndEnd_data() {
  QTest::addColumn<QString>("option");
  QTest::addColumn<int>("status");
  QTest::addColumn<QStringList>("printed");
  const QString version = QStringLiteral("Numora " NUMORA_VERSION);
  QTest::newRow("version") << "--version" << 0 << QStringList{version};
  QTest::newRow("short version") << "-v" << 0 << QStringList{version};
  QTest::newRow("help") << "--help" << 0
                        << QStringList{version, u"مساعد في رياضيات المدرسة"_qs, "-h, --help",
                                       "--help-all", "-v, --version"};
  QTest::newRow("Qt's own too") << "--help-all" << 0 << QStringList{"--platform", "--reverse"};
  QTest::newRow("unknown") << "--no-such-option" << 1 << QStringList{};
}

// The program itself, started with an option: it writes what the option asks for and ends, with
// no window (a window would keep it running).
void ShellTest::optionsPrintAndEnd() {
#ifndef NUMORA_PROGRAM
  QSKIP("The program is started only where the tests run on the machine they were built for.");
#else
  QFETCH(QString, option);
  QFETCH(int, status);
  QFETCH(QStringList, printed);
  QProcess numora;
  numora.start(QStringLiteral(NUMORA_PROGRAM), {option});
  QVERIFY(numora.waitForFinished(30000));
  QCOMPARE(numora.exitStatus(), QProcess::NormalExit);
  QCOMPARE(numora.exitCode(), status);
  const QString out = QString::fromUtf8(numora.readAllStandardOutput());
  for (const QString& words : printed) QVERIFY2(out.contains(words), qPrintable(out));
#endif
}

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
