// The algebra windows computing in real windows, with faults shown through the message seam.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "tests/windows/Harness.h"
#include "topics/algebra/Form11.h"
#include "topics/algebra/Form13.h"
#include "topics/algebra/Form2.h"
#include "topics/algebra/Form3.h"

using namespace numora;
using numora::testing::Program;

class AlgebraTest : public QObject {
  Q_OBJECT

 private slots:
  void powersComputeByTheSharedRules_data();
  void powersComputeByTheSharedRules();
  void powersFaultShowsItsBoxAndTheWindowGoesOn_data();
  void powersFaultShowsItsBoxAndTheWindowGoesOn();
  void powersKeepTheirTextAcrossAVisitToTheMainMenu();
  void rootsComputeAndAnArabicIndexIsNoNumber();
  void pythagorasReadsLegsLeniently();
  void quadraticWritesBothRoots();
  void quadraticMessageLeavesTheRootsAsTheyWere();
  void quadraticFaultKeepsEarlierRoots();
  void quadraticTabsThroughItsBoxes();
};

void AlgebraTest::powersComputeByTheSharedRules_data() {
  QTest::addColumn<QString>("base");
  QTest::addColumn<QString>("exponent");
  QTest::addColumn<QString>("result");
  QTest::newRow("2^10") << "2"
                        << "10"
                        << "1024";
  QTest::newRow("negative base, odd exponent") << "-2"
                                               << "3"
                                               << "-8";
  QTest::newRow("square root of 2") << "2"
                                    << "0.5"
                                    << "1.4142135623731";
  QTest::newRow("both empty: 0^0") << ""
                                   << ""
                                   << "1";
  QTest::newRow("exponent form from 1E+15") << "10"
                                            << "15"
                                            << "1E+15";
  QTest::newRow("exponent form below 1E-04") << "10"
                                             << "-5"
                                             << "1E-05";
  QTest::newRow("text after the number") << "3 cm"
                                         << "2"
                                         << "9";
}

void AlgebraTest::powersComputeByTheSharedRules() {
  QFETCH(QString, base);
  QFETCH(QString, exponent);
  QFETCH(QString, result);
  Program program;
  auto& window = program.form<Form3>(FormId::Form3);
  window.show();
  QTest::keyClicks(window.Text1, base);
  QTest::keyClicks(window.Text2, exponent);
  QTest::mouseClick(window.Command1, Qt::LeftButton);
  QCOMPARE(window.Label1->text(), result);
  QVERIFY(program.messages.shown.empty());
}

void AlgebraTest::powersFaultShowsItsBoxAndTheWindowGoesOn_data() {
  QTest::addColumn<QString>("base");
  QTest::addColumn<QString>("exponent");
  QTest::addColumn<int>("number");
  QTest::newRow("negative base, fractional exponent") << "-8"
                                                      << "0.333333333333333" << 5;
  QTest::newRow("beyond the double range") << "10"
                                           << "309" << 6;
  QTest::newRow("zero to a negative power") << "0"
                                            << "-1" << 11;
}

void AlgebraTest::powersFaultShowsItsBoxAndTheWindowGoesOn() {
  QFETCH(QString, base);
  QFETCH(QString, exponent);
  QFETCH(int, number);
  Program program;
  auto& window = program.form<Form3>(FormId::Form3);
  window.show();
  window.Text1->setText("2");
  window.Text2->setText("3");
  window.Command1->click();
  QCOMPARE(window.Label1->text(), QStringLiteral("8"));

  window.Text1->setText(base);
  window.Text2->setText(exponent);
  window.Command1->click();
  QCOMPARE(program.messages.shown.size(), std::size_t{1});
  const Message& box = program.messages.shown.front();
  QCOMPARE(box.caption, QStringLiteral("Numora"));
  QVERIFY2(box.text.contains(QString::number(number)), qPrintable(box.text));
  // The program goes on: nothing ended, the texts are as they were, the window still computes.
  QCOMPARE(program.end.calls, 0);
  QVERIFY(window.isVisible());
  QCOMPARE(window.Text1->text(), base);
  QCOMPARE(window.Text2->text(), exponent);
  QCOMPARE(window.Label1->text(), QStringLiteral("8"));
  window.Text2->setText("2");
  window.Text1->setText("3");
  window.Command1->click();
  QCOMPARE(window.Label1->text(), QStringLiteral("9"));
}

void AlgebraTest::powersKeepTheirTextAcrossAVisitToTheMainMenu() {
  Program program;
  program.registry.show(FormId::Form3);
  auto& window = program.form<Form3>(FormId::Form3);
  window.Text1->setText("1.5");
  window.Text2->setText("2");
  window.Command1->click();
  window.Command2->click();
  QVERIFY(!window.isVisible());
  program.registry.show(FormId::Form3);
  QCOMPARE(window.Text1->text(), QStringLiteral("1.5"));
  QCOMPARE(window.Text2->text(), QStringLiteral("2"));
  QCOMPARE(window.Label1->text(), QStringLiteral("2.25"));
}

void AlgebraTest::rootsComputeAndAnArabicIndexIsNoNumber() {
  Program program;
  auto& window = program.form<Form2>(FormId::Form2);
  window.show();
  QTest::keyClicks(window.Text1, "3");
  QTest::keyClicks(window.Text2, "-27");
  window.Command1->click();
  QCOMPARE(window.Label1->text(), QStringLiteral("-3"));
  window.Text1->setText(QStringLiteral(u"٢"));
  window.Command1->click();
  QCOMPARE(program.messages.shown.size(), std::size_t{1});
  QVERIFY(program.messages.shown[0].text.contains("11"));
  QCOMPARE(window.Label1->text(), QStringLiteral("-3"));
  QCOMPARE(window.Text1->text(), QStringLiteral(u"٢"));
  QVERIFY(window.isVisible());
}

void AlgebraTest::pythagorasReadsLegsLeniently() {
  Program program;
  auto& window = program.form<Form11>(FormId::Form11);
  window.show();
  QTest::keyClicks(window.Text1, "6 m");
  window.Command2->click();
  QCOMPARE(window.Label1->text(), QStringLiteral("6"));
  QTest::keyClicks(window.Text2, "-8");
  window.Command2->click();
  QCOMPARE(window.Label1->text(), QStringLiteral("10"));
}

void AlgebraTest::quadraticWritesBothRoots() {
  Program program;
  auto& window = program.form<Form13>(FormId::Form13);
  window.show();
  QTest::keyClicks(window.Text1, "1");
  QTest::keyClicks(window.Text2, "-3");
  QTest::keyClicks(window.Text3, "2");
  window.Command1->click();
  QCOMPARE(window.Text4->text(), QStringLiteral("1"));
  QCOMPARE(window.Text5->text(), QStringLiteral("2"));
  QVERIFY(program.messages.shown.empty());
}

void AlgebraTest::quadraticMessageLeavesTheRootsAsTheyWere() {
  Program program;
  auto& window = program.form<Form13>(FormId::Form13);
  window.show();
  window.Text1->setText("1");
  window.Text2->setText("0");
  window.Text3->setText("-4");
  window.Command1->click();
  window.Text3->setText("1");
  window.Command1->click();
  QCOMPARE(program.messages.shown.size(), std::size_t{1});
  const Message& box = program.messages.shown[0];
  QCOMPARE(box.caption, QStringLiteral("Numora"));
  QCOMPARE(box.text, QStringLiteral(u"المعادلة لاتحل"));
  QCOMPARE(box.icon, Message::Icon::None);
  QCOMPARE(window.Text4->text(), QStringLiteral("-2"));
  QCOMPARE(window.Text5->text(), QStringLiteral("2"));
}

void AlgebraTest::quadraticFaultKeepsEarlierRoots() {
  Program program;
  auto& window = program.form<Form13>(FormId::Form13);
  window.show();
  window.Text1->setText("2");
  window.Text2->setText("3");
  window.Text3->setText("1");
  window.Command1->click();
  window.Text1->clear();  // a = 0 and b > 0
  window.Command1->click();
  QCOMPARE(program.messages.shown.size(), std::size_t{1});
  QVERIFY(program.messages.shown[0].text.contains("11"));
  QCOMPARE(window.Text4->text(), QStringLiteral("-1"));
  QCOMPARE(window.Text5->text(), QStringLiteral("-0.5"));
  window.Text2->setText("-3");  // b ≤ 0: 0 ÷ 0
  window.Command1->click();
  QVERIFY(program.messages.shown[1].text.contains("6"));
  QCOMPARE(program.end.calls, 0);
}

void AlgebraTest::quadraticTabsThroughItsBoxes() {
  Program program;
  auto& window = program.form<Form13>(FormId::Form13);
  window.show();
  QStringList walked;
  QWidget* widget = window.Text1;
  do {
    if (widget->focusPolicy() & Qt::TabFocus) walked << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != window.Text1 && walked.size() < 20);
  QCOMPARE(walked,
           (QStringList{"Text1", "Text2", "Text3", "Command1", "Text4", "Text5", "Command2"}));
  QCOMPARE(window.focusWidget(), window.Text1);
}

QTEST_MAIN(AlgebraTest)
#include "test_algebra.moc"
