// A figure to scale at any density, a graph filling its room, a sentence for a figure not drawn,
// the palette's colours, what a screen reader hears, labels kept in view, the picture copied.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>
#include <algorithm>
#include <cmath>

#include "ui/solution/FigureView.h"

using namespace numora;

namespace {

constexpr QSize kSize(280, 220);

// How many pixels are close to a colour, and the box around them.
std::pair<int, QRect> InkOf(const QImage& image, const QColor& colour) {
  std::pair<int, QRect> ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::max({std::abs(c.red() - colour.red()), std::abs(c.green() - colour.green()),
                    std::abs(c.blue() - colour.blue())}) <= 48)
        ink = {ink.first + 1, ink.second | QRect(x, y, 1, 1)};
    }
  return ink;
}

Figure Rectangle(double width, double height, FigureInk ink = FigureInk::Shape) {
  Figure figure;
  figure.name = u"مستطيل";
  figure.description = u"مستطيل طوله 8 وعرضه 2";
  figure.paths = {Polygon({{0, 0}, {width, 0}, {width, height}, {0, height}}, ink, true)};
  figure.frame = FrameAround(figure);
  return figure;
}

}  // namespace

class FigureViewTest : public QObject {
  Q_OBJECT

 private slots:
  void keepsItsProportions_data();
  void keepsItsProportions();
  void showsWhatItCan();
  void keepsALabelInView();
  void copiesItsPicture();
};

void FigureViewTest::keepsItsProportions_data() {
  QTest::addColumn<qreal>("ratio");
  QTest::newRow("at 1") << 1.0;
  QTest::newRow("at 2") << 2.0;
}

void FigureViewTest::keepsItsProportions() {
  QFETCH(qreal, ratio);
  // A graph whose y runs over a hundredth of its x: drawn to one scale it would be a flat line.
  Figure graph;
  graph.sameScale = false;
  graph.frame = {0, 0, 100, 1};
  graph.paths = {Segment({0, 0}, {100, 1})};
  // The outline's width over its height; 0: it fills its room.
  for (const auto& [figure, aspect] :
       {std::pair{Rectangle(8, 2), 4.0}, {Rectangle(2, 8), 0.25}, {graph, 0.0}}) {
    FigureView view;
    view.setFigure(figure);
    const QImage image = view.picture(kSize, ratio);
    const QRect box = InkOf(image, view.palette().color(QPalette::WindowText)).second;
    const QString size =
        QStringLiteral("%1: %2 x %3").arg(aspect).arg(box.width()).arg(box.height());
    QVERIFY2(image.size() == kSize * ratio && image.rect().adjusted(1, 1, -1, -1).contains(box),
             qPrintable(size));
    // The pen adds its width; the shorter side is compared, where rounding weighs least.
    const double width = box.width() - 2 * ratio, height = box.height() - 2 * ratio;
    const double off = aspect > 1 ? height - width / aspect : width - height * aspect;
    QVERIFY2(aspect == 0 ? width > 0.6 * image.width() && height > 0.5 * image.height()
                         : std::abs(off) <= 3 * ratio && std::min(width, height) > 20,
             qPrintable(size));
  }
}

void FigureViewTest::showsWhatItCan() {
  const QString about = QStringLiteral(u"مستطيل طوله 8 وعرضه 2");
  const QString notDrawn = about + QStringLiteral(u"\nلا يرسم الشكل.");
  const QString refusal = QStringLiteral(u"لا يرسم الشكل: الطول صفر.");
  // Figures with their edges in the highlight colour, which no sentence takes.
  Figure annotated = Rectangle(8, 2, FigureInk::Accent), refused = annotated,
         notANumber = annotated, flat = annotated, overflowing = annotated;
  annotated.notToScale = u"رسم العرض أكبر من مقياسه.";
  annotated.caption = u"المستطيل بمقياس واحد.";
  refused.cannotDraw = refused.description = refusal.toStdU16String();
  notANumber.paths[0].points[1].x = std::nan("");
  flat.frame.top = flat.frame.bottom;
  overflowing.frame = {-1e308, -1e308, 1e308, 1e308};
  // A number line of large numbers: its height is a few units whatever its width.
  Figure numberLine = annotated;
  numberLine.notToScale.clear();
  numberLine.caption.clear();
  numberLine.paths = {Segment({0, 0}, {1e10, 0}, FigureLine::Solid, FigureInk::Accent)};
  numberLine.frame = {-1e9, -0.7, 1.1e10, 1.15};
  const struct {
    Figure figure;
    QString description;
    QPalette::ColorRole edges;
    bool drawn;
  } rows[] = {
      {Rectangle(8, 2), about, QPalette::WindowText, true},
      {annotated, about + QStringLiteral(u"\nرسم العرض أكبر من مقياسه.\nالمستطيل بمقياس واحد."),
       QPalette::Highlight, true},
      {refused, refusal, QPalette::Highlight, false},
      {notANumber, notDrawn, QPalette::Highlight, false},
      {flat, notDrawn, QPalette::Highlight, false},
      {overflowing, notDrawn, QPalette::Highlight, false},
      {numberLine, about, QPalette::Highlight, true},
      {Figure{}, QString(), QPalette::WindowText, false},
  };
  QPalette highContrast(Qt::white, Qt::black, Qt::white, Qt::black, Qt::gray, Qt::white, Qt::black);
  highContrast.setColor(QPalette::Highlight, Qt::yellow);
  for (const auto& row : rows)
    for (const QPalette& palette : {QGuiApplication::palette(), highContrast}) {
      FigureView view;
      view.setPalette(palette);
      view.setFigure(row.figure);
      QCOMPARE(view.accessibleName(), QString::fromStdU16String(row.figure.name));
      QCOMPARE(view.accessibleDescription(), row.description);
      const QImage image = view.picture(kSize, 1);
      QCOMPARE(InkOf(image, palette.color(row.edges)).first > 0, row.drawn);
      // What is not drawn leaves its sentence; an empty figure leaves nothing.
      const bool blank =
          InkOf(image, palette.color(QPalette::Base)).first == image.width() * image.height();
      QCOMPARE(blank, row.description.isEmpty());
    }
}

void FigureViewTest::keepsALabelInView() {
  const QString text = QStringLiteral("12345.678 = 98765.432");
  Figure figure;
  figure.frame = {0, 0, 10, 10};
  figure.labels = {{{10, 5}, text.toStdU16String(), FigureSide::Right}};
  FigureView view;
  view.setFigure(figure);
  const QImage image = view.picture(kSize, 1);
  const QRect box = InkOf(image, view.palette().color(QPalette::WindowText)).second;
  // Shifted left rather than cut off at the right edge.
  QVERIFY(box.right() < image.width() - 1);
  QVERIFY(box.width() > 0.8 * QFontMetricsF(view.font()).horizontalAdvance(text));
}

void FigureViewTest::copiesItsPicture() {
  FigureView view;
  view.setFigure(Rectangle(8, 2));
  view.resize(300, 200);
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  QCOMPARE(view.actions().size(), 1);  // the context menu's one action
  QCOMPARE(view.actions()[0]->text(), QStringLiteral(u"نسخ الشكل"));
  // The copy key and the action copy the same picture, at the screen's density.
  for (const bool fromKey : {true, false}) {
    QGuiApplication::clipboard()->clear();
    fromKey ? QTest::keySequence(&view, QKeySequence::Copy) : view.actions()[0]->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(300, 200) * view.devicePixelRatioF());
    QVERIFY(InkOf(copied, view.palette().color(QPalette::WindowText)).first > 0);
  }
}

QTEST_MAIN(FigureViewTest)
#include "test_figure_view.moc"
