// Results a pupil can trust: every result shows all of its text, results go out of date when an
// input box is edited, input read only in part is marked, and the keyboard focus is visible on
// every push button. Run at scale factor 1 and, as test_trust_scaled, at 2.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "tests/windows/Harness.h"
#include "ui/frame/Fields.h"
#include "ui/platform/Utf16Text.h"

using namespace numora;
using numora::testing::Calculate;
using numora::testing::kTopicWindows;
using numora::testing::Program;
using numora::testing::ResultFields;
using numora::testing::Solve;
using numora::testing::Type;

namespace {

QString TextOf(const QWidget* field) {
  if (const auto* label = qobject_cast<const QLabel*>(field)) return label->text();
  return qobject_cast<const QLineEdit*>(field)->text();
}

bool Greyed(const QWidget* field) {
  const QPalette::ColorRole role =
      qobject_cast<const QLabel*>(field) ? QPalette::WindowText : QPalette::Text;
  return field->palette().color(QPalette::Active, role) ==
         field->palette().color(QPalette::Disabled, role);
}

// Whether the whole text is in view: it fits the room of the field in the field's font, and a
// box shows it from its beginning.
bool Whole(const QWidget* field) {
  const QString text = TextOf(field);
  if (QFontMetricsF(field->font()).horizontalAdvance(text) > TextRoom(field)) return false;
  const auto* box = qobject_cast<const QLineEdit*>(field);
  return box == nullptr || box->cursorPosition() == 0 || box->hasFocus();
}

// A box read in part shows the warning sign inside it.
bool Marked(const QLineEdit* box) {
  const QAction* sign = FieldNotes::WarningSign(box);
  return sign != nullptr && sign->isVisible() && !sign->icon().isNull();
}

// A note without the marks that keep a number left to right inside the Arabic words.
QString Unmarked(const QString& note) { return WithoutBidiMarks(note); }

}  // namespace

class TrustTest : public QObject {
  Q_OBJECT

 private slots:
  void widestTextsFitEveryResultField();
  void calculatedResultsAreShownWhole();
  void editingAnInputPutsTheResultsOutOfDate();
  void inputReadInPartIsMarkedUntilEdited_data();
  void inputReadInPartIsMarkedUntilEdited();
  void aTextOfAnyLengthIsCutWithItsNote_data();
  void aTextOfAnyLengthIsCutWithItsNote();
  void everyPushButtonShowsTheFocus();
};

void TrustTest::widestTextsFitEveryResultField() {
  for (const FormId id : kTopicWindows) {
    Program program;
    program.registry.show(id);
    FormWindow& window = program.registry.form(id);
    for (QWidget* field : ResultFields(window, id)) {
      const QFont own = field->font();
      for (const QString& text : {u"-1.79769313486232E+308"_qs, u"-4.94065645841247E-324"_qs}) {
        if (auto* label = qobject_cast<QLabel*>(field)) label->setText(text);
        if (auto* box = qobject_cast<QLineEdit*>(field)) box->setText(text);
        ShowWhole(field);
        const QString where = QStringLiteral("%1 %2: %3 is %4 wide in %5 %6 pt, room %7")
                                  .arg(window.windowTitle(), field->objectName(), text)
                                  .arg(QFontMetricsF(field->font()).horizontalAdvance(text))
                                  .arg(field->font().family())
                                  .arg(field->font().pointSizeF())
                                  .arg(TextRoom(field));
        QVERIFY2(Whole(field), qPrintable(where));
        QVERIFY2(field->font().pointSizeF() >= 3, qPrintable(where));
        QVERIFY2(field->font().family() == own.family(), qPrintable(where));
      }
      // A short text gets the field's own font back.
      if (auto* label = qobject_cast<QLabel*>(field)) label->setText("5");
      if (auto* box = qobject_cast<QLineEdit*>(field)) box->setText("5");
      ShowWhole(field);
      QCOMPARE(field->font(), own);
    }
  }
}

void TrustTest::calculatedResultsAreShownWhole() {
  Program program;
  QVERIFY(Solve(program, FormId::Form3, {"Text1", "-99", "Text2", "99"}));
  FormWindow& powers = program.registry.form(FormId::Form3);
  auto* result = powers.findChild<QLabel*>("Label1");
  QCOMPARE(result->text(), u"-3.69729637649727E+197"_qs);
  QVERIFY(Whole(result));
  QVERIFY(result->toolTip().contains(result->text()));

  QVERIFY(Solve(program, FormId::Form13, {"Text1", "1", "Text2", "0.5", "Text3", "-1"}));
  FormWindow& quadratic = program.registry.form(FormId::Form13);
  auto* root = quadratic.findChild<QLineEdit*>("Text4");
  QCOMPARE(root->text(), u"-1.28077640640442"_qs);
  QCOMPARE(root->cursorPosition(), 0);  // the sign and the first digits in view
  QVERIFY(Whole(root));
}

void TrustTest::editingAnInputPutsTheResultsOutOfDate() {
  Program program;
  program.registry.show(FormId::Form6);
  FormWindow& window = program.registry.form(FormId::Form6);
  QVERIFY(Type(window, {"Text1", "3", "Text2", "4"}));
  const std::vector<QWidget*> results = ResultFields(window, FormId::Form6);
  for (QWidget* field : results) QVERIFY(!Greyed(field));
  // Typing before any calculation puts nothing out of date.
  for (QWidget* field : results) QVERIFY(!field->toolTip().contains(u"«احسب»"));
  Calculate(program, FormId::Form6);

  QTest::keyClick(window.findChild<QLineEdit*>("Text2"), '0');
  for (QWidget* field : results) {
    QVERIFY2(Greyed(field), qPrintable(field->objectName()));
    QVERIFY(field->toolTip().startsWith(u"تغيرت المدخلات بعد هذا الحساب: اضغط «احسب» مرة أخرى."));
    QCOMPARE(field->accessibleDescription(), field->toolTip());
  }
  QCOMPARE(TextOf(results[0]).isEmpty(), false);  // still there to compare with
  Calculate(program, FormId::Form6);
  for (QWidget* field : results) {
    QVERIFY(!Greyed(field));
    QVERIFY(!field->toolTip().contains(u"«احسب»"));
  }
  QCOMPARE(window.findChild<QLabel*>("Label3")->text(), u"120"_qs);

  // The quadratic window names its own button.
  QVERIFY(Solve(program, FormId::Form13, {"Text1", "1", "Text2", "-3", "Text3", "2"}));
  FormWindow& quadratic = program.registry.form(FormId::Form13);
  QVERIFY(!Greyed(quadratic.findChild<QLineEdit*>("Text4")));
  QTest::keyClick(quadratic.findChild<QLineEdit*>("Text3"), '1');
  QVERIFY(quadratic.findChild<QLineEdit*>("Text4")->toolTip().contains(u"«حساب»"));

  // A box that shows a result and takes the next number is typed into as any box, and what is
  // typed is no result: its working is the formula again.
  program.registry.show(FormId::Form15);
  FormWindow& temperature = program.registry.form(FormId::Form15);
  temperature.findChild<QRadioButton*>("Option1")->click();
  auto* degrees = temperature.findChild<QLineEdit*>("Text1");
  QTest::keyClicks(degrees, "-1.79769313486232E+308");
  Calculate(program, FormId::Form15);  // a fault: what was typed stays
  QCOMPARE(degrees->text(), u"-1.79769313486232E+308"_qs);
  degrees->clear();
  QTest::keyClicks(degrees, "100");
  Calculate(program, FormId::Form15);
  QCOMPARE(degrees->text(), u"212"_qs);
  degrees->selectAll();
  QTest::keyClicks(degrees, "25");
  QCOMPARE(degrees->text(), u"25"_qs);
  QVERIFY(!Greyed(degrees));
  QVERIFY(!degrees->toolTip().contains(u"= 212"));
}

void TrustTest::aTextOfAnyLengthIsCutWithItsNote_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("unit");  // repeated to a megabyte
  QTest::addColumn<bool>("overflows");
  const QString rlm(QChar(0x200F));
  const QString rocket = QString::fromUcs4(U"\U0001F680");  // two UTF-16 units
  for (const auto& [id, box] :
       {std::pair{FormId::Form5, "Text1"}, std::pair{FormId::Form16, "Text1"},
        std::pair{FormId::Form5, "PracticeAnswer1"}}) {
    const QString where = QStringLiteral("%1 %2 ").arg(int(id)).arg(QLatin1String(box));
    QTest::newRow(qPrintable(where + "digits")) << id << box << u"7"_qs << true;
    QTest::newRow(qPrintable(where + "marks")) << id << box << rlm << false;
    QTest::newRow(qPrintable(where + "letters")) << id << box << u"نق"_qs << false;
    QTest::newRow(qPrintable(where + "a pair")) << id << box << u"5"_qs + rocket << false;
  }
}

// Whatever is pasted, a box keeps what a number can need and says that the rest was cut, at once
// and at the calculation that reads it; what a number needs still reads as before (a megabyte of
// digits is a number beyond every double).
void TrustTest::aTextOfAnyLengthIsCutWithItsNote() {
  QFETCH(FormId, id);
  QFETCH(QString, box);
  QFETCH(QString, unit);
  QFETCH(bool, overflows);
  Program program;
  program.registry.show(id);
  FormWindow& window = program.registry.form(id);
  if (box.startsWith(u"Practice")) {
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.focusWidget(), Qt::Key_F4);
  }
  auto* field = window.findChild<QLineEdit*>(box);
  QVERIFY(field != nullptr);
  QString text;
  while (text.size() < 1'000'000) text += unit;
  QGuiApplication::clipboard()->setText(text);
  field->setFocus();
  field->paste();
  QGuiApplication::clipboard()->clear();
  QVERIFY(field->text().size() <= LengthBound::kMostCharacters);
  QVERIFY(field->text().size() >= LengthBound::kMostCharacters - 1);
  QVERIFY(!field->text().back().isHighSurrogate());
  QVERIFY(text.startsWith(field->text()));
  QVERIFY(LengthBound::Cut(field));
  QTRY_VERIFY(window.announced().contains(LengthBound::kCutNote));
  if (box.startsWith(u"Practice")) {
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("PracticeVerdict"))->text() ==
            LengthBound::kCutNote);
    return;
  }
  QVERIFY(Marked(field));
  QVERIFY(field->toolTip().contains(LengthBound::kCutNote));
  if (id == FormId::Form16) {
    QTest::keyClick(field, Qt::Key_Plus);
  } else {
    Calculate(program, id);
  }
  QCOMPARE(program.messages.shown.size(), std::size_t{overflows});
  QVERIFY2(field->toolTip().contains(LengthBound::kCutNote) || overflows,
           qPrintable(field->toolTip()));
  // A number typed over it fits, and is no longer cut.
  field->selectAll();
  QTest::keyClicks(field, u"3"_qs);
  QVERIFY(!LengthBound::Cut(field));
  if (id != FormId::Form16) {
    Calculate(program, id);
    QVERIFY(!field->toolTip().contains(LengthBound::kCutNote));
  }
}

void TrustTest::inputReadInPartIsMarkedUntilEdited_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<QStringList>("inputs");  // box, text, ...
  QTest::addColumn<QString>("option");      // temperature only
  QTest::addColumn<QStringList>("notes");   // box, note (empty: no mark), ...
  QTest::addColumn<char16_t>("separator");
  QTest::newRow("a comma, a unit, nothing")
      << FormId::Form4 << QStringList{"Text1", "2,5", "Text2", "5cm", "Text3", ""} << QString()
      << QStringList{"Text1", u"حُسب بالعدد 2 وأُهمل «,5»."_qs,
                     "Text2", u"حُسب بالعدد 5 وأُهمل «cm»."_qs,
                     "Text3", u"الخانة فارغة، فحُسب بالعدد 0."_qs}
      << u'.';
  QTest::newRow("no number, a number read whole")
      << FormId::Form3 << QStringList{"Text1", "abc", "Text2", " 2 "} << QString()
      << QStringList{"Text1", u"لا عدد في أول الخانة، فحُسب بالعدد 0 وأُهمل «abc»."_qs, "Text2", ""}
      << u'.';
  QTest::newRow("the locale's comma is read whole")
      << FormId::Form5 << QStringList{"Text1", "2,5"} << QString() << QStringList{"Text1", ""}
      << u',';
  QTest::newRow("a negative length, computed as it stands")
      << FormId::Form11 << QStringList{"Text1", "-3", "Text2", "4x"} << QString()
      << QStringList{"Text1", u"الطول لا يكون سالبا، وحُسب بالعدد -3 كما كُتب."_qs, "Text2",
                     u"حُسب بالعدد 4 وأُهمل «x»."_qs}
      << u'.';
  QTest::newRow("no conversion chosen")
      << FormId::Form15 << QStringList{"Text1", "25"} << QString()
      << QStringList{"Text1", u"اختر أولا واحدا من التحويلات الستة، ثم اضغط «احسب»."_qs} << u'.';
  // Below absolute zero on each scale, whichever conversion reads it.
  const struct {
    const char* option;
    const char* typed;
    QString zero;  // empty: no note
  } temperatures[] = {{"Option4", "-1", u"0 كلفن"_qs},
                      {"Option5", "-0.5", u"0 كلفن"_qs},
                      {"Option1", "-300", u"-273 سلسيوس"_qs},
                      {"Option3", "-273.5", u"-273 سلسيوس"_qs},
                      {"Option2", "-500", u"-459.4 فهرنهايت"_qs},
                      {"Option6", "-459.5", u"-459.4 فهرنهايت"_qs},
                      {"Option3", "-273", {}},
                      {"Option6", "-459.4", {}}};
  for (const auto& t : temperatures) {
    QTest::newRow(qPrintable(QStringLiteral("%1 by %2").arg(t.typed, t.option)))
        << FormId::Form15 << QStringList{"Text1", t.typed} << t.option
        << QStringList{"Text1", t.zero.isEmpty()
                                    ? QString()
                                    : u"لا درجة حرارة أقل من الصفر المطلق (%1)، وحُسب بالعدد %2 "
                                      u"كما كُتب."_qs.arg(t.zero, t.typed)}
        << u'.';
  }
}

void TrustTest::inputReadInPartIsMarkedUntilEdited() {
  QFETCH(FormId, id);
  QFETCH(QStringList, inputs);
  QFETCH(QString, option);
  QFETCH(QStringList, notes);
  QFETCH(char16_t, separator);
  Program program(separator);
  program.registry.show(id);
  FormWindow& window = program.registry.form(id);
  QVERIFY(Type(window, inputs));
  if (!option.isEmpty()) window.findChild<QRadioButton*>(option)->click();
  Calculate(program, id);
  QVERIFY(program.messages.shown.empty());
  for (int i = 0; i + 1 < notes.size(); i += 2) {
    auto* box = window.findChild<QLineEdit*>(notes[i]);
    const QString& note = notes[i + 1];
    QCOMPARE(Marked(box), !note.isEmpty());
    if (note.isEmpty()) {
      QVERIFY2(!box->toolTip().contains(u"حُسب"), qPrintable(box->toolTip()));
      continue;
    }
    QCOMPARE(Unmarked(box->toolTip().section('\n', 0, 0)), note);
    QCOMPARE(box->accessibleDescription(), box->toolTip());
    // The mark is a warning sign, not a frame like the focus's, and goes when the box is edited.
    QVERIFY(box->styleSheet().isEmpty());
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, '1');
    QVERIFY(!Marked(box));
    QVERIFY(!box->toolTip().contains(note));
  }
}

// Tab moves a visible frame: each push button is drawn differently when it has the focus.
void TrustTest::everyPushButtonShowsTheFocus() {
  Program program;
  for (int n = 1; n <= kFormCount; ++n) {
    const auto id = static_cast<FormId>(n);
    if (id == FormId::Form14) continue;  // the splash window has no button
    FormWindow& window = program.registry.form(id);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
      if (!button->isVisible() || button->focusPolicy() == Qt::NoFocus) continue;
      button->clearFocus();
      const QImage plain = button->grab().toImage();
      button->setFocus(Qt::TabFocusReason);
      QVERIFY(button->hasFocus());
      const QImage focused = button->grab().toImage();
      QVERIFY2(plain != focused, qPrintable(window.windowTitle() + " " + button->objectName()));
    }
    window.hide();
  }
}

QTEST_MAIN(TrustTest)
#include "test_trust.moc"
