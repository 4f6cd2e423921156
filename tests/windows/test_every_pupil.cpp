// Every pupil: what a screen reader hears after a click, where the keyboard goes, and that Qt's
// own texts and every control's name are Arabic.
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QToolTip>
#include <QtTest>

#include "tests/windows/Harness.h"
#include "ui/frame/QtServices.h"
#include "ui/platform/Language.h"
#include "ui/platform/Utf16Text.h"
#include "ui/solution/PracticePane.h"
#include "ui/solution/TopicWindow.h"

using namespace numora;
using numora::testing::CalculateButton;
using numora::testing::kTopicWindows;
using numora::testing::Program;
using numora::testing::ResultFields;
using numora::testing::Type;

namespace {

// What a screen reader on the bus hears: the name of each notification that shows (the platform
// bridge sends "showing" for it; the offscreen platform has no bridge, so the show is watched).
class Ears final : public QObject {
 public:
  QStringList spoken;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
      QAccessibleInterface* object = QAccessible::queryAccessibleInterface(watched);
      if (object != nullptr && object->role() == QAccessible::Notification)
        spoken << WithoutBidiMarks(object->text(QAccessible::Name));
    }
    return false;
  }
};

QString NameOf(QObject* object) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
  return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The controls after a widget in the tab order, as Tab reaches them.
std::vector<QWidget*> TabOrderAfter(QWidget* start, std::size_t count) {
  std::vector<QWidget*> reached;
  for (QWidget* next = start->nextInFocusChain(); next != start && reached.size() < count;
       next = next->nextInFocusChain())
    if ((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(start->window()))
      reached.push_back(next);
  return reached;
}

}  // namespace

class EveryPupilTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qApp->installEventFilter(&ears_); }
  void aClickIsSaidWithoutMoving_data();
  void aClickIsSaidWithoutMoving();
  void aVerdictIsSaidWithoutMoving();
  void resultsFollowTheCalculateButton();
  void theStepsAreReadLineByLine();
  void escapeGoesBackToTheMainMenu();
  void everyControlAndWindowHasAnArabicName();
  void qtsOwnTextsAreArabic();

 private:
  Ears ears_;
};

void EveryPupilTest::aClickIsSaidWithoutMoving_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<QStringList>("inputs");
  QTest::addColumn<QString>("option");
  QTest::addColumn<QString>("said");
  QTest::newRow("circle") << FormId::Form5 << QStringList{"Text1", "7"} << QString()
                          << u"المساحة 153.86، المحيط 43.96"_qs;
  QTest::newRow("a fault") << FormId::Form2 << QStringList{"Text1", "0", "Text2", "8"} << QString()
                           << QString();  // the fault's sentence, whatever it is
  QTest::newRow("no conversion chosen")
      << FormId::Form15 << QStringList{"Text1", "25"} << QString()
      << u"اختر أولا واحدا من التحويلات الستة، ثم اضغط «احسب»."_qs;
}

void EveryPupilTest::aClickIsSaidWithoutMoving() {
  QFETCH(FormId, id);
  QFETCH(QStringList, inputs);
  QFETCH(QString, option);
  QFETCH(QString, said);
  Program program;
  program.registry.show(id);
  FormWindow& window = program.registry.form(id);
  QVERIFY(Type(window, inputs));
  if (!option.isEmpty()) window.findChild<QRadioButton*>(option)->click();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QPushButton* calculate = CalculateButton(program, id);
  calculate->setFocus();
  ears_.spoken.clear();
  QTest::keyClick(calculate, Qt::Key_Space);
  QVERIFY(calculate->hasFocus());  // nothing moved
  QCOMPARE(ears_.spoken.size(), 1);
  if (said.isEmpty()) {
    // The fault's box opens with its sentence; the screen reader hears the same.
    QCOMPARE(program.messages.shown.size(), 1u);
    QVERIFY2(program.messages.shown.front().text.startsWith(ears_.spoken.front()),
             qPrintable(ears_.spoken.front()));
  } else {
    QCOMPARE(ears_.spoken.front(), said);
  }
  // The same click again is said again.
  QTest::keyClick(calculate, Qt::Key_Space);
  QCOMPARE(ears_.spoken.size(), 2);
}

// In practice, the exercise, each verdict and its hint are said where the pupil types.
void EveryPupilTest::aVerdictIsSaidWithoutMoving() {
  Program program;
  program.registry.show(FormId::Form5);
  auto& window = program.form<TopicWindow>(FormId::Form5);
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  ears_.spoken.clear();
  QTest::keyClick(window.focusWidget(), Qt::Key_F4);
  QCOMPARE(ears_.spoken.size(), 1);
  QVERIFY2(ears_.spoken.front().startsWith(u"دائرة نصف قطرها"_qs),
           qPrintable(ears_.spoken.front()));
  QLineEdit* answer = window.practicePane()->answerBox(0);
  QVERIFY(answer->hasFocus());
  QTest::keyClicks(answer, QStringLiteral("1"));
  QTest::keyClick(answer, Qt::Key_Return);
  QVERIFY(answer->hasFocus());  // nothing moved
  QCOMPARE(ears_.spoken.size(), 2);
  const QString verdict =
      window.findChildren<QLabel*>(QStringLiteral("PracticeVerdict"))[0]->text();
  const QString step =
      window.findChild<QWidget*>(QStringLiteral("PracticeHintStep"))->accessibleName();
  QVERIFY2(ears_.spoken.back().contains(WithoutBidiMarks(verdict)),
           qPrintable(ears_.spoken.back()));
  QVERIFY(ears_.spoken.back().contains(WithoutBidiMarks(step)));
}

// After the calculate button, Tab reaches each result in the layout's order, and a result read
// there gives its working.
void EveryPupilTest::resultsFollowTheCalculateButton() {
  Program program;
  for (const FormId id : kTopicWindows) {
    FormWindow& window = program.registry.form(id);
    window.show();
    std::vector<QWidget*> labels;
    for (QWidget* field : ResultFields(window, id))
      if (qobject_cast<QLabel*>(field)) labels.push_back(field);
    std::sort(labels.begin(), labels.end(), [](QWidget* a, QWidget* b) {
      return a->objectName().mid(5).toInt() < b->objectName().mid(5).toInt();
    });
    const std::vector<QWidget*> reached =
        TabOrderAfter(CalculateButton(program, id), labels.size());
    QVERIFY2(reached == labels, qPrintable(window.windowTitle()));
    for (QWidget* label : labels) QVERIFY(!label->accessibleDescription().isEmpty());
    window.hide();
  }
}

// The solution panel's steps are reached with Tab, and its caret moves a line at a time, where a
// screen reader reads the line it lands on.
void EveryPupilTest::theStepsAreReadLineByLine() {
  Program program;
  program.registry.show(FormId::Form5);
  FormWindow& window = program.registry.form(FormId::Form5);
  QVERIFY(Type(window, {"Text1", "7"}));
  CalculateButton(program, FormId::Form5)->click();
  auto* steps = window.findChild<QTextBrowser*>();
  QVERIFY(steps != nullptr);
  QCOMPARE(steps->accessibleName(), u"خطوات الحل"_qs);
  const std::vector<QWidget*> reached = TabOrderAfter(CalculateButton(program, FormId::Form5), 8);
  QVERIFY(std::find(reached.begin(), reached.end(), steps) != reached.end());
  steps->setFocus();
  steps->moveCursor(QTextCursor::Start);
  for (int line = 1; line < 4; ++line) {
    QTest::keyClick(steps, Qt::Key_Down);
    QCOMPARE(steps->textCursor().blockNumber(), line);
  }
}

void EveryPupilTest::escapeGoesBackToTheMainMenu() {
  Program program;
  std::vector<FormId> windows(std::begin(kTopicWindows), std::end(kTopicWindows));
  windows.push_back(FormId::Form10);
  for (const FormId id : windows) {
    program.registry.show(id);
    FormWindow& window = program.registry.form(id);
    QWidget* focus = window.focusWidget() ? window.focusWidget() : &window;
    QTest::keyClick(focus, Qt::Key_Escape);
    QVERIFY2(!window.isVisible(), qPrintable(window.windowTitle()));
    QVERIFY(program.registry.form(FormId::Form1).isVisible());
  }
  // In the calculator Escape clears, and the window stays.
  program.registry.show(FormId::Form16);
  FormWindow& calculator = program.registry.form(FormId::Form16);
  auto* display = calculator.findChild<QLineEdit*>("Text1");
  display->setText("12");
  QTest::keyClick(display, Qt::Key_Escape);
  QCOMPARE(display->text(), QString());
  QVERIFY(calculator.isVisible());
}

// A screen reader says a word for every button, and names the windows whose titles are never
// shown; the titles stay as the layouts give them.
void EveryPupilTest::everyControlAndWindowHasAnArabicName() {
  const QRegularExpression arabicOrDigit(QStringLiteral("^([0-9]|.*[\u0600-\u06FF].*)$"));
  Program program;
  for (int n = 1; n <= kFormCount; ++n) {
    FormWindow& window = program.registry.form(static_cast<FormId>(n));
    QVERIFY2(arabicOrDigit.match(NameOf(&window)).hasMatch(), qPrintable(NameOf(&window)));
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
      if (button->isVisibleTo(&window))
        QVERIFY2(arabicOrDigit.match(NameOf(button)).hasMatch(),
                 qPrintable(window.objectName() + " " + button->objectName()));
  }
  QCOMPARE(program.registry.form(FormId::Form10).windowTitle(), u"Form10"_qs);
  QCOMPARE(program.registry.form(FormId::Form14).windowTitle(), u"Form14"_qs);
}

void EveryPupilTest::qtsOwnTextsAreArabic() {
  UseArabicInterface(*qApp);
  QLineEdit box;
  std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
  QStringList texts;
  for (const QAction* action : menu->actions()) texts << action->text().remove('&');
  QVERIFY2(texts.join('|').contains(u"نسخ"), qPrintable(texts.join('|')));
  QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);

  // A message box reads from the right, and its button is Qt's own "OK" in Arabic.
  Qt::LayoutDirection direction = Qt::LeftToRight;
  QString button;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr);
    direction = box->layoutDirection();
    button = box->buttons().value(0)->text();
    box->accept();
  });
  ModalMessageBoxes().show({u"Numora"_qs, u"نص"_qs});
  QCOMPARE(direction, Qt::RightToLeft);
  QCOMPARE(button.remove('&'), u"حسنًا"_qs);
  QVERIFY(ContrastRatio(QToolTip::palette().color(QPalette::ToolTipText),
                        QToolTip::palette().color(QPalette::ToolTipBase)) >= 4.5);

  // A tooltip's text is made readable on its background, and left alone where it is.
  const struct {
    QColor text, base, expected;
  } cases[] = {{QColor(192, 192, 192), Qt::white, Qt::black},  // about 1.8 to 1
               {QColor(160, 160, 160), QColor(255, 255, 225), Qt::black},
               {QColor(100, 100, 100), Qt::black, Qt::white},
               {Qt::black, QColor(255, 255, 225), Qt::black},
               {QColor(230, 230, 230), QColor(40, 40, 40), QColor(230, 230, 230)}};
  for (const auto& c : cases) {
    QPalette palette;
    palette.setColor(QPalette::ToolTipText, c.text);
    palette.setColor(QPalette::ToolTipBase, c.base);
    QCOMPARE(WithReadableToolTips(palette).color(QPalette::ToolTipText), c.expected);
  }
}

QTEST_MAIN(EveryPupilTest)
#include "test_every_pupil.moc"
