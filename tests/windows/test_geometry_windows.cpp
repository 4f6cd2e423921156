// The plane-figure and solid windows in real windows: what each computes from typed text, a fault
// part way through a click, the sphere's swapped buttons and the drawn shapes.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "tests/windows/Harness.h"
#include "topics/geometry/SphereWindow.h"
#include "ui/frame/Twips.h"

using namespace numora;
using numora::testing::Calculate;
using numora::testing::CalculateButton;
using numora::testing::Program;
using numora::testing::Shown;
using numora::testing::Solve;
using numora::testing::Type;

class GeometryWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void eachWindowComputesWhatItShows_data();
  void eachWindowComputesWhatItShows();
  void aFaultStopsTheClickWhereItArose_data();
  void aFaultStopsTheClickWhereItArose();
  void sphereCalculatesWithCommand2AndReturnsWithCommand1();
};

void GeometryWindowsTest::eachWindowComputesWhatItShows_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<QStringList>("inputs");   // box, text, ...
  QTest::addColumn<QStringList>("results");  // label, text, ...
  QTest::newRow("triangle, negative height")
      << FormId::Form8 << QStringList{"Text1", "-2", "Text2", "3"} << QStringList{"Label3", "-3"};
  QTest::newRow("rectangle") << FormId::Form6 << QStringList{"Text1", "3", "Text2", "4"}
                             << QStringList{"Label3", "12", "Label5", "5", "Label7", "14"};
  QTest::newRow("trapezoid") << FormId::Form4
                             << QStringList{"Text1", "2.5", "Text2", "3.5", "Text3", "3"}
                             << QStringList{"Label4", "9"};
  QTest::newRow("circle, radius 2cm") << FormId::Form5 << QStringList{"Text1", "2cm"}
                                      << QStringList{"Label2", "12.56", "Label3", "12.56"};
  QTest::newRow("cuboid") << FormId::Form7 << QStringList{"Text1", "2", "Text2", "3", "Text3", "4"}
                          << QStringList{"Label4", "52", "Label5", "24", "Label8", "36"};
  QTest::newRow("sphere") << FormId::Form9 << QStringList{"Text1", "2"}
                          << QStringList{"Label3", "50.24", "Label4", "33.4933333333333"};
  QTest::newRow("cylinder, height 0")
      << FormId::Form12 << QStringList{"Text1", "1", "Text2", "0"}
      << QStringList{"Label3", "0", "Label5", "0", "Label7", "6.28"};
}

void GeometryWindowsTest::eachWindowComputesWhatItShows() {
  QFETCH(FormId, id);
  QFETCH(QStringList, inputs);
  QFETCH(QStringList, results);
  Program program;
  program.registry.show(id);
  FormWindow& window = program.registry.form(id);
  QVERIFY(Type(window, inputs));
  QTest::mouseClick(CalculateButton(program, id), Qt::LeftButton);
  QCOMPARE(Shown(window, results), results);
  QVERIFY(program.messages.shown.empty());
}

// A fault after a computed click stops where it arose, at either of two places in one window;
// every window's fault box and the results it leaves are in the fault paths' test.
void GeometryWindowsTest::aFaultStopsTheClickWhereItArose_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<QStringList>("before");   // a click that computes: box, text, ...
  QTest::addColumn<QStringList>("faulty");   // then a click that faults part way
  QTest::addColumn<QStringList>("results");  // every result label afterwards: those the fault
                                             // stopped before are empty, none is stale
  QTest::newRow("cylinder: volume written, the lateral area overflows")
      << FormId::Form12 << QStringList{"Text1", "1", "Text2", "2"}
      << QStringList{"Text1", "0.2", "Text2", "1.5e308"}
      << QStringList{"Label3", "1.884E+307", "Label5", "", "Label7", ""};
  QTest::newRow("cylinder: volume and lateral area written, the total overflows")
      << FormId::Form12 << QStringList{"Text1", "1", "Text2", "2"}
      << QStringList{"Text1", "6e153", "Text2", "1"}
      << QStringList{"Label3", "1.1304E+308", "Label5", "3.768E+154", "Label7", ""};
}

void GeometryWindowsTest::aFaultStopsTheClickWhereItArose() {
  QFETCH(FormId, id);
  QFETCH(QStringList, before);
  QFETCH(QStringList, faulty);
  QFETCH(QStringList, results);
  Program program;
  QVERIFY(Solve(program, id, before));
  FormWindow& window = program.registry.form(id);
  QVERIFY(program.messages.shown.empty());

  QVERIFY(Type(window, faulty));
  Calculate(program, id);
  QCOMPARE(program.messages.shown.size(), std::size_t{1});
  QCOMPARE(program.messages.shown[0].caption, QStringLiteral("Numora"));
  QVERIFY2(program.messages.shown[0].text.contains("6:"),
           qPrintable(program.messages.shown[0].text));
  QCOMPARE(Shown(window, results), results);
  for (int i = 0; i + 1 < faulty.size(); i += 2)
    QCOMPARE(window.findChild<QLineEdit*>(faulty[i])->text(), faulty[i + 1]);
  QCOMPARE(program.end.calls, 0);
  QCOMPARE(program.visible(), std::vector<FormWindow*>{&window});
}

void GeometryWindowsTest::sphereCalculatesWithCommand2AndReturnsWithCommand1() {
  Program program;
  program.registry.show(FormId::Form9);
  auto& sphere = program.form<SphereWindow>(FormId::Form9);
  // The word inside the sphere comes first in the layout but takes no focus, and "الرئيسية"
  // comes before "احسب".
  QCOMPARE(sphere.focusWidget(), sphere.radius);
  QStringList walked;
  for (QWidget* widget = sphere.radius; walked.size() < 3; widget = widget->nextInFocusChain())
    if (widget->focusPolicy() & Qt::TabFocus) walked << widget->objectName();
  QCOMPARE(walked, (QStringList{"Text1", "Command1", "Command2"}));
  QTest::keyClicks(sphere.radius, "3");
  QCOMPARE(sphere.calculate->text(), QStringLiteral(u"احسب"));
  QTest::mouseClick(sphere.calculate, Qt::LeftButton);
  QCOMPARE(sphere.surfaceArea->text(), QStringLiteral("113.04"));
  QCOMPARE(sphere.volume->text(), QStringLiteral("113.04"));
  QCOMPARE(sphere.mainMenu->text(), QStringLiteral(u"الرئيسية"));
  QTest::mouseClick(sphere.mainMenu, Qt::LeftButton);
  QCOMPARE(program.visible(), std::vector<FormWindow*>{program.registry.created(FormId::Form1)});
  QCOMPARE(sphere.surfaceArea->text(), QStringLiteral("113.04"));
}

QTEST_MAIN(GeometryWindowsTest)
#include "test_geometry_windows.moc"
