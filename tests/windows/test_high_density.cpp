// On a screen scaled by two, every window keeps its proportions and its pictures come from the
// @2x renderings, so they stay crisp.
#include <QApplication>
#include <QImage>
#include <QtTest>
#include <variant>

#include "app/AboutWindow.h"
#include "app/SplashWindow.h"
#include "tests/windows/Harness.h"
#include "topics/algebra/PowerWindow.h"
#include "ui/frame/Twips.h"

using namespace numora;
using numora::testing::Program;

class HighDensityTest : public QObject {
  Q_OBJECT

 private slots:
  void windowsKeepTheirLogicalSize();
  void picturesComeFromTheirDoubleRenderings();
  void linesScaleWithTheWindow();
};

void HighDensityTest::windowsKeepTheirLogicalSize() {
  Program program;
  for (FormId id : {FormId::Form1, FormId::Form3, FormId::Form14, FormId::Form16}) {
    FormWindow& window = program.registry.form(id);
    window.show();
    QCOMPARE(window.devicePixelRatio(), 2.0);
    QCOMPARE(window.clientArea()->size(),
             TwipsSize(window.look().clientWidth, window.look().clientHeight));
  }
}

void HighDensityTest::picturesComeFromTheirDoubleRenderings() {
  Program program;
  int pictures = 0;
  for (FormId id : {FormId::Form1, FormId::Form10, FormId::Form14}) {
    for (const Decoration& decoration : program.registry.form(id).clientArea()->decorations()) {
      if (const auto* picture = std::get_if<Picture>(&decoration)) {
        ++pictures;
        const QPixmap& pixmap = picture->pixmap(program.registry.form(id).devicePixelRatioF());
        QVERIFY2(!pixmap.isNull(), qPrintable(picture->resource));
        QCOMPARE(pixmap.devicePixelRatio(), 2.0);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), picture->pixmap(1.0).size());
      }
    }
  }
  QCOMPARE(pictures, 5);  // the rose, the starfield, the portrait, the backdrop, the instruments
}

void HighDensityTest::linesScaleWithTheWindow() {
  Program program;
  auto& powers = program.form<PowerWindow>(FormId::Form3);
  powers.show();
  const QImage image = powers.clientArea()->grab().toImage();
  QCOMPARE(image.size(), 2 * TwipsSize(5850, 3225));
  // The upper stroke of the equals sign runs from (2400, 1320) to (2880, 1320) twips: dark in
  // its middle at twice the pixels, and the window's background a little above it.
  const QPoint middle = 2 * TwipsPoint(2640, 1320);
  QVERIFY(qGray(image.pixel(middle)) < 100);
  QVERIFY(qGray(image.pixel(middle - QPoint(0, 8))) > 150);
}

int main(int argc, char* argv[]) {
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication application(argc, argv);
  HighDensityTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_high_density.moc"
