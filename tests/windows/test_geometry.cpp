// The geometry and temperature windows computing in real windows: one case each, a fault part
// way through a click, the sphere's swapped buttons and the temperature options.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/frame/Twips.h"
#include "tests/windows/Harness.h"
#include "topics/geometry/Form12.h"
#include "topics/geometry/Form4.h"
#include "topics/geometry/Form5.h"
#include "topics/geometry/Form6.h"
#include "topics/geometry/Form7.h"
#include "topics/geometry/Form8.h"
#include "topics/geometry/Form9.h"
#include "topics/temperature/Form15.h"

using namespace numora;
using numora::testing::Program;

class GeometryTest : public QObject {
  Q_OBJECT

 private slots:
  void eachWindowComputesWhatItShows();
  void aFaultStopsTheClickWhereItArose();
  void sphereCalculatesWithCommand2AndReturnsWithCommand1();
  void temperatureOptionsFormOneGroup();
  void circleIsDrawnAtTheLargestSizeThatFits();
};

void GeometryTest::eachWindowComputesWhatItShows() {
  Program program;
  auto& triangle = program.form<Form8>(FormId::Form8);
  QTest::keyClicks(triangle.Text1, "-2");
  QTest::keyClicks(triangle.Text2, "3");
  triangle.Command1->click();
  QCOMPARE(triangle.Label3->text(), QStringLiteral("-3"));

  auto& rectangle = program.form<Form6>(FormId::Form6);
  QTest::keyClicks(rectangle.Text1, "3");
  QTest::keyClicks(rectangle.Text2, "4");
  rectangle.Command1->click();
  QCOMPARE(
      (QStringList{rectangle.Label3->text(), rectangle.Label5->text(), rectangle.Label7->text()}),
      (QStringList{"12", "5", "14"}));

  auto& trapezoid = program.form<Form4>(FormId::Form4);
  QTest::keyClicks(trapezoid.Text1, "2.5");
  QTest::keyClicks(trapezoid.Text2, "3.5");
  QTest::keyClicks(trapezoid.Text3, "3");
  trapezoid.Command1->click();
  QCOMPARE(trapezoid.Label4->text(), QStringLiteral("9"));

  auto& circle = program.form<Form5>(FormId::Form5);
  QTest::keyClicks(circle.Text1, "2cm");
  circle.Command1->click();
  QCOMPARE(circle.Label2->text(), QStringLiteral("12.56"));
  QCOMPARE(circle.Label3->text(), QStringLiteral("12.56"));

  auto& cuboid = program.form<Form7>(FormId::Form7);
  QTest::keyClicks(cuboid.Text1, "2");
  QTest::keyClicks(cuboid.Text2, "3");
  QTest::keyClicks(cuboid.Text3, "4");
  cuboid.Command1->click();
  QCOMPARE((QStringList{cuboid.Label4->text(), cuboid.Label5->text(), cuboid.Label8->text()}),
           (QStringList{"52", "24", "36"}));

  auto& cylinder = program.form<Form12>(FormId::Form12);
  QTest::keyClicks(cylinder.Text1, "1");
  QTest::keyClicks(cylinder.Text2, "0");
  cylinder.Command1->click();
  QCOMPARE((QStringList{cylinder.Label3->text(), cylinder.Label5->text(), cylinder.Label7->text()}),
           (QStringList{"0", "0", "6.28"}));
  QVERIFY(program.messages.shown.empty());
}

void GeometryTest::aFaultStopsTheClickWhereItArose() {
  Program program;
  auto& rectangle = program.form<Form6>(FormId::Form6);
  rectangle.show();
  rectangle.Text1->setText("3");
  rectangle.Text2->setText("4");
  rectangle.Command1->click();
  // The area of 1e200 by 0 is 0 and is written; the diagonal overflows in its square, so the
  // diagonal and the perimeter keep the results of the click before.
  rectangle.Text1->setText("1e200");
  rectangle.Text2->setText("0");
  rectangle.Command1->click();
  QCOMPARE(program.messages.shown.size(), std::size_t{1});
  QCOMPARE(program.messages.shown[0].caption, QStringLiteral("Numora"));
  QVERIFY(program.messages.shown[0].text.contains("6"));
  QCOMPARE(rectangle.Label3->text(), QStringLiteral("0"));
  QCOMPARE(rectangle.Label5->text(), QStringLiteral("5"));
  QCOMPARE(rectangle.Label7->text(), QStringLiteral("14"));
  QCOMPARE(rectangle.Text1->text(), QStringLiteral("1e200"));
  QVERIFY(rectangle.isVisible());
  QCOMPARE(program.end.calls, 0);

  auto& circle = program.form<Form5>(FormId::Form5);
  circle.Text1->setText("1e200");
  circle.Command1->click();
  QCOMPARE(program.messages.shown.size(), std::size_t{2});
  QCOMPARE(circle.Label2->text(), QString());
  QCOMPARE(circle.Label3->text(), QString());
}

void GeometryTest::sphereCalculatesWithCommand2AndReturnsWithCommand1() {
  Program program;
  program.registry.show(FormId::Form9);
  auto& sphere = program.form<Form9>(FormId::Form9);
  QTest::keyClicks(sphere.Text1, "2");
  QCOMPARE(sphere.Command2->text(), QStringLiteral(u"احسب"));
  sphere.Command2->click();
  QCOMPARE(sphere.Label3->text(), QStringLiteral("50.24"));
  QCOMPARE(sphere.Label4->text(), QStringLiteral("33.4933333333333"));
  sphere.Command1->click();
  QVERIFY(!sphere.isVisible());
  QCOMPARE(program.visible(), std::vector<FormWindow*>{program.registry.created(FormId::Form1)});
}

void GeometryTest::temperatureOptionsFormOneGroup() {
  Program program;
  program.registry.show(FormId::Form15);
  auto& window = program.form<Form15>(FormId::Form15);
  const QList<QRadioButton*> options = {window.Option1, window.Option2, window.Option3,
                                        window.Option4, window.Option5, window.Option6};
  for (QRadioButton* option : options) QVERIFY(!option->isChecked());
  QTest::keyClicks(window.Text1, "100");
  window.Command1->click();
  QCOMPARE(window.Text1->text(), QStringLiteral("100"));  // nothing selected, nothing written
  window.Option3->click();
  window.Option1->click();
  QVERIFY(!window.Option3->isChecked());
  window.Command1->click();
  QCOMPARE(window.Text1->text(), QStringLiteral("212"));
  window.Command1->click();
  QCOMPARE(window.Text1->text(), QStringLiteral("413.6"));
  window.Text1->clear();
  window.Option2->click();
  window.Command1->click();
  QCOMPARE(window.Text1->text(), QStringLiteral("-17.7777777777778"));
  QCOMPARE(window.Option5->text(), QStringLiteral(u"من كلفن إلى فهرنهايت "));
}

void GeometryTest::circleIsDrawnAtTheLargestSizeThatFits() {
  Program program;
  const auto& figures = program.registry.form(FormId::Form5).clientArea()->figures();
  const auto* circle = std::get_if<Shape>(&figures.front());
  QVERIFY(circle != nullptr);
  const QRectF outline = ClientArea::OutlineRect(*circle);
  QCOMPARE(outline.width(), outline.height());
  QCOMPARE(outline.height(), qreal(Px(1695)));
  QCOMPARE(outline.center(), QRectF(TwipsRect(2520, 360, 2175, 1695)).center());
}

QTEST_MAIN(GeometryTest)
#include "test_geometry.moc"
