// Every fault path of every window, end to end: the box is captioned "Numora", says first in one
// sentence what went wrong and where to look, and names the fault by number and name; afterwards
// the results that the same click wrote before the fault show them, the results it stopped before
// are empty, and every other text of every window is as it was.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <map>

#include "tests/windows/Harness.h"

using namespace numora;
using numora::testing::Program;

namespace {

using Texts = std::map<QString, QString>;  // "window/control" -> text

Texts Snapshot(const Program& program) {
  Texts texts;
  for (int n = 1; n <= kFormCount; ++n) {
    const FormWindow* window = program.registry.created(static_cast<FormId>(n));
    const QString prefix = QString::number(n) + "/";
    // The layout's own fields; the solution panel says what the click did, and is tested apart.
    const QWidget* layout = window->clientArea();
    for (const QLineEdit* box : layout->findChildren<QLineEdit*>())
      texts[prefix + box->objectName()] = box->text();
    for (const QLabel* label : layout->findChildren<QLabel*>())
      texts[prefix + label->objectName()] = label->text();
  }
  return texts;
}

}  // namespace

class FaultPathTest : public QObject {
  Q_OBJECT

 private slots:
  void faultShowsItsBoxAndLeavesEveryOtherText_data();
  void faultShowsItsBoxAndLeavesEveryOtherText();
};

void FaultPathTest::faultShowsItsBoxAndLeavesEveryOtherText_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<QStringList>("inputs");  // name, text, name, text, ...
  QTest::addColumn<QString>("button");
  QTest::addColumn<int>("number");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("sentence");     // how the box begins
  QTest::addColumn<QStringList>("written");  // results written before the fault: name, text
  const QString invalid = u"استدعاء إجراء أو وسيطة غير صالحة"_qs;
  const QString overflow = u"تجاوز السعة"_qs;
  const QString byZero = u"القسمة على صفر"_qs;
  auto row = [&](const char* tag, FormId id, QStringList inputs, const char* button, int number,
                 const QString& name, const char16_t* sentence, QStringList written = {}) {
    QTest::newRow(tag) << id << inputs << QString(button) << number << name
                       << QString::fromUtf16(sentence) << written;
  };
  row("roots, index 0", FormId::Form2, {"Text1", "0", "Text2", "9"}, "Command1", 11, byZero,
      u"دليل الجذر لا يمكن أن يكون صفرا");
  row("roots, even root of -4", FormId::Form2, {"Text1", "2", "Text2", "-4"}, "Command1", 5,
      invalid, u"لا جذر حقيقيا لعدد سالب");
  row("roots, beyond the range", FormId::Form2, {"Text1", "0.5", "Text2", "1e200"}, "Command1", 6,
      overflow, u"الناتج أكبر مما يحسبه البرنامج");
  row("powers, fractional power of -8", FormId::Form3, {"Text1", "-8", "Text2", "0.5"}, "Command1",
      5, invalid, u"لا يرفع عدد سالب إلى أس كسري");
  row("powers, 0 to a negative power", FormId::Form3, {"Text1", "0", "Text2", "-1"}, "Command1", 11,
      byZero, u"لا يرفع الصفر إلى أس سالب");
  row("powers, unreadably large text", FormId::Form3, {"Text1", "1e999", "Text2", "1"}, "Command1",
      6, overflow, u"العدد المكتوب في خانة «الأساس» أكبر");
  row("Pythagoras, huge leg", FormId::Form11, {"Text1", "1e200", "Text2", "1"}, "Command2", 6,
      overflow, u"مربع الضلعين أكبر");
  row("quadratic, a = 0 and b > 0", FormId::Form13, {"Text1", "0", "Text2", "2", "Text3", "1"},
      "Command1", 11, byZero, u"مع A = 0 ليست المعادلة تربيعية");
  row("quadratic, a = 0 and b <= 0", FormId::Form13, {"Text1", "", "Text2", "", "Text3", ""},
      "Command1", 6, overflow, u"مع A = 0 ليست المعادلة تربيعية");
  row("quadratic, huge coefficients", FormId::Form13,
      {"Text1", "1e300", "Text2", "1", "Text3", "-1e300"}, "Command1", 6, overflow, u"المميز أكبر");
  row("triangle", FormId::Form8, {"Text1", "1e200", "Text2", "1e200"}, "Command1", 6, overflow,
      u"المساحة أكبر");
  row("rectangle, diagonal after the area", FormId::Form6, {"Text1", "1e200", "Text2", "0"},
      "Command1", 6, overflow, u"طول القطر أكبر", {"Label3", "0"});
  row("trapezoid", FormId::Form4, {"Text1", "1e300", "Text2", "1", "Text3", "1e300"}, "Command1", 6,
      overflow, u"المساحة أكبر");
  row("circle", FormId::Form5, {"Text1", "1e200"}, "Command1", 6, overflow, u"المساحة أكبر");
  row("cuboid", FormId::Form7, {"Text1", "1e200", "Text2", "1e200", "Text3", "1e200"}, "Command1",
      6, overflow, u"المساحة الكلية أكبر");
  row("sphere, volume after the surface", FormId::Form9, {"Text1", "1e103"}, "Command2", 6,
      overflow, u"الحجم أكبر", {"Label3", "1.256E+207"});
  row("cylinder", FormId::Form12, {"Text1", "1e200", "Text2", "1"}, "Command1", 6, overflow,
      u"الحجم أكبر");
  row("temperature", FormId::Form15, {"Text1", "1.7e308", "Option1", "checked"}, "Command1", 6,
      overflow, u"الدرجة المحولة أكبر");
  row("calculator, 8 / 0", FormId::Form16, {"Text1", "8", "S(3)", "click", "Text1", "0"},
      "Command5", 11, byZero, u"لا قسمة على الصفر");
  row("calculator, 0 / 0", FormId::Form16, {"Text1", "0", "S(3)", "click", "Text1", "0"},
      "Command5", 6, overflow, u"صفر مقسوم على صفر");
}

void FaultPathTest::faultShowsItsBoxAndLeavesEveryOtherText() {
  QFETCH(FormId, id);
  QFETCH(QStringList, inputs);
  QFETCH(QString, button);
  QFETCH(int, number);
  QFETCH(QString, name);
  QFETCH(QString, sentence);
  QFETCH(QStringList, written);
  Program program;
  for (int n = 1; n <= kFormCount; ++n) {
    FormWindow& window = program.registry.form(static_cast<FormId>(n));
    // Something typed in every box and shown in every result of every window, to see that it
    // stays where it should.
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) box->setText("7");
    for (QLabel* label : window.findChildren<QLabel*>())
      if (label->frameShape() == QFrame::Panel) label->setText("7");
  }
  FormWindow& window = program.registry.form(id);
  program.registry.show(id);
  for (int i = 0; i + 1 < inputs.size(); i += 2) {
    QWidget* control = window.findChild<QWidget*>(inputs[i]);
    QVERIFY2(control != nullptr, qPrintable(inputs[i]));
    if (auto* box = qobject_cast<QLineEdit*>(control)) box->setText(inputs[i + 1]);
    if (auto* option = qobject_cast<QRadioButton*>(control)) option->setChecked(true);
    if (auto* key = qobject_cast<QPushButton*>(control)) key->click();
  }
  Texts expected = Snapshot(program);
  // The click's results that the fault stopped before are emptied.
  const QString prefix = QString::number(static_cast<int>(id)) + "/";
  for (const QLabel* label : window.findChildren<QLabel*>())
    if (label->frameShape() == QFrame::Panel) expected[prefix + label->objectName()] = "";
  if (id == FormId::Form13) expected[prefix + "Text4"] = expected[prefix + "Text5"] = "";
  for (int i = 0; i + 1 < written.size(); i += 2)
    expected[QString::number(static_cast<int>(id)) + "/" + written[i]] = written[i + 1];

  window.findChild<QPushButton*>(button)->click();

  QCOMPARE(program.messages.shown.size(), std::size_t{1});
  const Message& box = program.messages.shown[0];
  QCOMPARE(box.caption, QStringLiteral("Numora"));
  QCOMPARE(box.icon, Message::Icon::Critical);
  QVERIFY2(box.text.contains(QString::number(number) + ":"), qPrintable(box.text));
  QVERIFY2(box.text.contains(name), qPrintable(box.text));
  QVERIFY2(box.text.section('\n', 0, 0).contains(sentence), qPrintable(box.text));
  QCOMPARE(Snapshot(program), expected);
  QCOMPARE(program.end.calls, 0);
  QCOMPARE(program.visible(), std::vector<FormWindow*>{&window});
}

QTEST_MAIN(FaultPathTest)
#include "test_fault_paths.moc"
