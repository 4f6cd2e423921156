// The algebra windows computing in real windows, with faults shown through the message seam.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "tests/windows/Harness.h"
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

QTEST_MAIN(AlgebraTest)
#include "test_algebra.moc"
