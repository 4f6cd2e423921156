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

QTEST_MAIN(CaptionsTest)
#include "test_captions.moc"
