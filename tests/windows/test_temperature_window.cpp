// The temperature window in a real window: six options in one group with none selected at
// first, and the converted temperature replacing the typed one.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "tests/windows/Harness.h"
#include "topics/temperature/TemperatureWindow.h"

using namespace numora;
using numora::testing::Program;

namespace {

QList<QRadioButton*> Options(const TemperatureWindow& window) {
  return {window.celsiusToFahrenheit, window.fahrenheitToCelsius, window.celsiusToKelvin,
          window.kelvinToCelsius,     window.kelvinToFahrenheit,  window.fahrenheitToKelvin};
}

QString Selected(const TemperatureWindow& window) {
  QStringList names;
  for (const QRadioButton* option : Options(window))
    if (option->isChecked()) names << option->objectName();
  return names.join(",");
}

}  // namespace

class TemperatureWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void optionsFormOneGroupWithNoneSelectedAtFirst();
  void everyDirectionReplacesTheInput_data();
  void everyDirectionReplacesTheInput();
  void aCommaSeparatorIsReadBackWhole();
};

void TemperatureWindowTest::optionsFormOneGroupWithNoneSelectedAtFirst() {
  Program program;
  program.registry.show(FormId::Form15);
  auto& window = program.form<TemperatureWindow>(FormId::Form15);
  QCOMPARE(Selected(window), QString());
  // An option paints no background of its own, so the window's colour shows round its caption.
  const QImage shot = window.grab().toImage();
  const QColor background = window.palette().color(QPalette::Window);
  for (const QRadioButton* option : Options(window)) {
    const QPoint corner = option->mapTo(&window, QPoint(option->width() - 1, 0));
    QCOMPARE(shot.pixelColor(corner * shot.devicePixelRatio()), background);
  }
  QCOMPARE(window.kelvinToFahrenheit->text(), QStringLiteral(u"من كلفن إلى فهرنهايت "));

  QTest::keyClicks(window.temperature, "100");
  QTest::mouseClick(window.calculate, Qt::LeftButton);
  QCOMPARE(window.temperature->text(), QStringLiteral("100"));  // nothing selected, nothing written

  QTest::mouseClick(window.celsiusToKelvin, Qt::LeftButton);
  QCOMPARE(window.temperature->text(), QStringLiteral("100"));  // selecting computes nothing
  QTest::mouseClick(window.celsiusToFahrenheit, Qt::LeftButton);
  QCOMPARE(Selected(window), QStringLiteral("Option1"));

  QTest::mouseClick(window.calculate, Qt::LeftButton);
  QCOMPARE(window.temperature->text(), QStringLiteral("212"));
  QTest::mouseClick(window.calculate, Qt::LeftButton);
  QCOMPARE(window.temperature->text(), QStringLiteral("413.6"));
  QVERIFY(program.messages.shown.empty());
}

void TemperatureWindowTest::everyDirectionReplacesTheInput_data() {
  QTest::addColumn<QString>("option");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");
  QTest::newRow("C to F, -40") << "Option1"
                               << "-40"
                               << "-40";
  QTest::newRow("F to C, 212") << "Option2"
                               << "212"
                               << "100";
  QTest::newRow("F to C, empty box") << "Option2"
                                     << ""
                                     << "-17.7777777777778";
  QTest::newRow("C to K, 0") << "Option3"
                             << "0"
                             << "273";
  QTest::newRow("C to K, text after the number") << "Option3"
                                                 << "25abc"
                                                 << "298";
  QTest::newRow("K to C, 300") << "Option4"
                               << "300"
                               << "27";
  QTest::newRow("K to F, 273") << "Option5"
                               << "273"
                               << "32";
  QTest::newRow("F to K, 32") << "Option6"
                              << "32"
                              << "273";
}

void TemperatureWindowTest::everyDirectionReplacesTheInput() {
  QFETCH(QString, option);
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  Program program;
  program.registry.show(FormId::Form15);
  auto& window = program.form<TemperatureWindow>(FormId::Form15);
  QTest::keyClicks(window.temperature, typed);
  QTest::mouseClick(window.findChild<QRadioButton*>(option), Qt::LeftButton);
  QTest::mouseClick(window.calculate, Qt::LeftButton);
  QCOMPARE(window.temperature->text(), shown);
  QVERIFY(program.messages.shown.empty());
}

// The result is written with the user's separator, and the box reads it back whole on the next
// click.
void TemperatureWindowTest::aCommaSeparatorIsReadBackWhole() {
  Program program(u',');
  program.registry.show(FormId::Form15);
  auto& window = program.form<TemperatureWindow>(FormId::Form15);
  QTest::keyClicks(window.temperature, "100");
  window.celsiusToFahrenheit->click();
  window.calculate->click();
  window.calculate->click();
  QCOMPARE(window.temperature->text(), QStringLiteral("413,6"));
  window.calculate->click();
  QCOMPARE(window.temperature->text(), QStringLiteral("776,48"));  // from 413,6
}

QTEST_MAIN(TemperatureWindowTest)
#include "test_temperature_window.moc"
