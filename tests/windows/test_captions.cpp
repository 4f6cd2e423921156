// Texts that fit the layouts in the faces the program picks on this machine: in every window, no
// caption is cut by its button or option, no label's painted text touches another control, a drawn
// line or another label's text, and the digits of every box show whole and centred in its height.
#include <QAbstractButton>
#include <QBitmap>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QtTest>
#include <map>
#include <optional>

#include "tests/windows/Harness.h"
#include "ui/frame/Twips.h"
#include "ui/platform/Faces.h"

using namespace numora;
using numora::testing::Program;

namespace {

// The pixels a widget paints by itself (no background), in its parent's coordinates.
QRegion Painted(QWidget* widget) {
  QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  widget->render(&image, {}, {}, QWidget::RenderFlags());
  return QRegion(QBitmap::fromImage(image.createAlphaMask())).translated(widget->pos());
}

bool IsCaption(const QWidget* control) {
  const auto* label = qobject_cast<const QLabel*>(control);
  return label != nullptr && label->frameShape() == QFrame::NoFrame;
}

}  // namespace

class CaptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseLayoutFaces(); }
  void everyWindow_data();
  void buttonCaptionsFitTheirButtons();
  void buttonCaptionsFitTheirButtons_data() { everyWindow_data(); }
  void labelsTouchNothingElse();
  void labelsTouchNothingElse_data() { everyWindow_data(); }
  void digitsShowWholeAndCentredInEveryBox();
  void digitsShowWholeAndCentredInEveryBox_data() { everyWindow_data(); }
  void controlsStayInsideTheirContainerAndApart();
  void controlsStayInsideTheirContainerAndApart_data() { everyWindow_data(); }
  void linesAndShapesArePaintedWhereTheLayoutPutsThem();
  void linesAndShapesArePaintedWhereTheLayoutPutsThem_data() { everyWindow_data(); }
};

void CaptionsTest::everyWindow_data() {
  QTest::addColumn<FormId>("id");
  for (int n = 1; n <= kFormCount; ++n)
    QTest::newRow(qPrintable(QStringLiteral("Form%1").arg(n))) << static_cast<FormId>(n);
}

void CaptionsTest::buttonCaptionsFitTheirButtons() {
  QFETCH(FormId, id);
  Program program;
  FormWindow& window = program.registry.form(id);
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool isOption = qobject_cast<QRadioButton*>(button) != nullptr;
    const QRect room = button->style()->subElementRect(
        isOption ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, button);
    const double needed = QFontMetricsF(button->font()).horizontalAdvance(button->text());
    QVERIFY2(needed <= room.width(), qPrintable(QStringLiteral("%1 \"%2\": %3 px in %4")
                                                    .arg(button->objectName(), button->text())
                                                    .arg(needed)
                                                    .arg(room.width())));
  }
}

void CaptionsTest::labelsTouchNothingElse() {
  QFETCH(FormId, id);
  Program program;
  program.registry.show(id);
  FormWindow& window = program.registry.form(id);
  ClientArea* client = window.clientArea();
  struct Thing {
    QString name;
    QRegion pixels;  // in the client area
    QWidget* widget;
  };
  std::vector<Thing> labels, others;
  for (QWidget* control : client->findChildren<QWidget*>()) {
    if (LayoutTwips(control).isEmpty() || !control->isVisible()) continue;
    const QRect box(control->mapTo(client, QPoint()), control->size());
    if (auto* label = qobject_cast<QLabel*>(control);
        label && label->frameShape() == QFrame::NoFrame) {
      // A caption counts by what it paints.
      labels.push_back({label->objectName() + " \"" + label->text() + '"',
                        Painted(label).translated(box.topLeft() - label->pos()), label});
      continue;
    }
    others.push_back({control->objectName(), box, control});
  }
  // The straight lines drawn across or along the layout: the signs of an equation, frames.
  for (const Decoration& decoration : client->decorations())
    if (const auto* line = std::get_if<Line>(&decoration);
        line && (line->x1 == line->x2 || line->y1 == line->y2)) {
      const QRect rect = QRect(TwipsPoint(line->x1, line->y1), TwipsPoint(line->x2, line->y2))
                             .normalized()
                             .adjusted(0, 0, line->widthPixels - 1, line->widthPixels - 1);
      others.push_back({QStringLiteral("a line"), rect, nullptr});
    }
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const Thing& label = labels[i];
    for (std::size_t j = i + 1; j < labels.size(); ++j)
      QVERIFY2(!label.pixels.intersects(labels[j].pixels),
               qPrintable(label.name + " touches " + labels[j].name));
    for (const Thing& other : others)
      // A label in a frame lies on the frame.
      if (other.widget == nullptr || !other.widget->isAncestorOf(label.widget))
        QVERIFY2(!label.pixels.intersects(other.pixels),
                 qPrintable(label.name + " touches " + other.name));
  }
}

void CaptionsTest::digitsShowWholeAndCentredInEveryBox() {
  QFETCH(FormId, id);
  Program program;
  FormWindow& window = program.registry.form(id);
  for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
    box->setText(QStringLiteral("-1234567890"));
    box->setCursorPosition(0);
    box->clearFocus();
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->rect();
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    // The digits are what is dark inside the box.
    QImage image(box->size(), QImage::Format_RGB32);
    box->render(&image);
    QRect ink;
    for (int y = contents.top(); y <= contents.bottom(); ++y)
      for (int x = contents.left(); x <= contents.right(); ++x)
        if (qGray(image.pixel(x, y)) < 96) ink |= QRect(x, y, 1, 1);
    const QString where = QStringLiteral("%1: digits %2..%3 in %4..%5")
                              .arg(box->objectName())
                              .arg(ink.top())
                              .arg(ink.bottom())
                              .arg(contents.top())
                              .arg(contents.bottom());
    QVERIFY2(ink.height() >= QFontMetricsF(box->font()).capHeight() - 1, qPrintable(where));
    QVERIFY2(ink.top() > contents.top() && ink.bottom() < contents.bottom(), qPrintable(where));
    const double offCentre = (ink.top() + ink.bottom()) / 2.0 - contents.center().y();
    QVERIFY2(std::abs(offCentre) <= 2, qPrintable(where));
  }
}

// Turning twips into pixels, at any zoom, neither cuts a control off by its container nor lays
// it over another where the layout does not. A caption may size itself to its text: what it
// paints is held apart from the rest above.
void CaptionsTest::controlsStayInsideTheirContainerAndApart() {
  QFETCH(FormId, id);
  Program program;
  program.registry.show(id);
  FormWindow& window = program.registry.form(id);
  for (int percent : {100, 175, 300}) {
    while (program.registry.zoom().percent() < percent) program.registry.zoom().enlarge();
    // The controls of the layout, by their container: the client area or a frame.
    std::map<QWidget*, std::vector<QWidget*>> containers;
    for (QWidget* control : window.clientArea()->findChildren<QWidget*>())
      if (!LayoutTwips(control).isEmpty()) containers[control->parentWidget()].push_back(control);
    QVERIFY(!containers.empty());
    for (const auto& [container, controls] : containers) {
      const QRect room = LayoutTwips(container).isEmpty()
                             ? QRect(QPoint(), window.clientArea()->size())
                             : container->rect();
      const QRect roomTwips =
          LayoutTwips(container).isEmpty()
              ? QRect(0, 0, window.look().clientWidth, window.look().clientHeight)
              : QRect(QPoint(), LayoutTwips(container).size());
      for (std::size_t i = 0; i < controls.size(); ++i) {
        const QWidget* control = controls[i];
        const QString where =
            QStringLiteral("%1 at %2 %%: ").arg(control->objectName()).arg(percent);
        QVERIFY2(room.contains(control->geometry()) == roomTwips.contains(LayoutTwips(control)),
                 qPrintable(where + "inside its container as the layout has it"));
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
          if (IsCaption(control) || IsCaption(controls[j])) continue;
          QVERIFY2(control->geometry().intersects(controls[j]->geometry()) ==
                       LayoutTwips(control).intersects(LayoutTwips(controls[j])),
                   qPrintable(where + "over " + controls[j]->objectName() + " as in the layout"));
        }
      }
    }
  }
}

// Each line is painted in its colour at its middle, each outline at the middle of its top and of
// its left side, on the client area itself (the controls above it aside), at any zoom.
void CaptionsTest::linesAndShapesArePaintedWhereTheLayoutPutsThem() {
  QFETCH(FormId, id);
  Program program;
  program.registry.show(id);
  FormWindow& window = program.registry.form(id);
  ClientArea* client = window.clientArea();
  const QColor text = client->palette().color(QPalette::WindowText);
  // How near a pixel near the point comes to the colour, in the sum of its channels' distances.
  const auto distance = [](const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
  };
  const auto nearest = [&](const QImage& image, QPointF at, const QColor& colour) {
    int best = 3 * 255;
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy) {
        const QPoint p = at.toPoint() + QPoint(dx, dy);
        if (!image.rect().contains(p)) continue;
        const QColor c = image.pixelColor(p);
        best =
            std::min(best, std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                               std::abs(c.blue() - colour.blue()));
      }
    return best;
  };
  for (int percent : {100, 300}) {
    while (program.registry.zoom().percent() < percent) program.registry.zoom().enlarge();
    const double zoom = percent / 100.0;
    QImage image(client->size(), QImage::Format_RGB32);
    client->render(&image, {}, {}, QWidget::DrawWindowBackground);
    int checked = 0;
    for (const Decoration& decoration : client->decorations()) {
      std::vector<std::pair<QPointF, QColor>> points;
      if (const auto* line = std::get_if<Line>(&decoration)) {
        const QPointF middle =
            (QPointF(TwipsPoint(line->x1, line->y1, zoom)) + TwipsPoint(line->x2, line->y2, zoom)) /
            2;
        points.push_back({middle, line->colour.isValid() ? line->colour : text});
      } else if (const auto* shape = std::get_if<Shape>(&decoration)) {
        // A circle or a square at the largest size that fits its box, centred; an ellipse fills it.
        QRectF outline = TwipsRect(shape->left, shape->top, shape->width, shape->height, zoom);
        if (shape->kind != Shape::Kind::Ellipse) {
          const QPointF centre = outline.center();
          const qreal side = std::min(outline.width(), outline.height());
          outline.setSize({side, side});
          outline.moveCenter(centre);
        }
        const qreal inset = shape->widthPixels * zoom / 2;
        points.push_back({{outline.center().x(), outline.top() + inset}, text});
        points.push_back({{outline.left() + inset, outline.center().y()}, text});
      }
      for (const auto& [at, colour] : points) {
        ++checked;
        // Nearer its colour than the background, a slanted line's smoothed pixels too.
        const QColor background = client->palette().color(QPalette::Window);
        QVERIFY2(nearest(image, at, colour) < distance(background, colour) / 2,
                 qPrintable(QStringLiteral("nothing of its colour at (%1, %2) at %3 %%")
                                .arg(at.x())
                                .arg(at.y())
                                .arg(percent)));
      }
    }
    if (checked == 0) QSKIP("the window draws no line and no shape");
  }
}

QTEST_MAIN(CaptionsTest)
#include "test_captions.moc"
