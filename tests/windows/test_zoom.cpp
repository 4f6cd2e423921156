// The program's zoom: Ctrl and +, - and 0 from any window enlarge, shrink and reset every window
// of the program together, hidden ones and ones made later too, from 100 % to 300 %; back at
// 100 % each window is exactly as it was made; and at every zoom a topic window in practice stays
// on the screen.
#include <QAbstractScrollArea>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>
#include <cmath>

#include "tests/windows/Harness.h"
#include "ui/frame/ControlBuilder.h"
#include "ui/frame/Twips.h"
#include "ui/frame/Zoom.h"
#include "ui/platform/Faces.h"
#include "ui/solution/PracticePane.h"
#include "ui/solution/SolutionPanel.h"
#include "ui/solution/TopicWindow.h"

using namespace numora;
using numora::testing::Program;

namespace {

double Size(const QFont& font) {
  return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize();
}

// What can be seen of a window: each widget's place, size, font and accessible name.
struct Seen {
  QString name;
  QRect geometry;
  double size;
  QString accessibleName;
  bool fromRow;
  bool operator==(const Seen&) const = default;
};

std::vector<Seen> Look(FormWindow& window) {
  window.layout()->activate();  // a window never shown takes its fixed size
  std::vector<Seen> seen{
      {"window", QRect({}, window.size()), Size(window.font()), window.accessibleName(), false}};
  for (QWidget* widget : window.findChildren<QWidget*>())
    // Not a menu, nor what is put away, nor Qt's own parts (a menu bar's extension, a scroll
    // area's bars, which show where the screen is too small for what a window holds).
    if (!widget->isWindow() && widget->isVisibleTo(&window) &&
        !widget->objectName().startsWith("qt_") &&
        !widget->parentWidget()->objectName().startsWith("qt_scrollarea_"))
      seen.push_back({widget->metaObject()->className() + (':' + widget->objectName()),
                      widget->geometry(), Size(widget->font()), widget->accessibleName(),
                      !LayoutTwips(widget).isNull()});
  return seen;
}

QString Text(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The first widget that differs, or empty.
QString Difference(const std::vector<Seen>& a, const std::vector<Seen>& b) {
  if (a.size() != b.size())
    return QStringLiteral("%1 widgets, then %2").arg(a.size()).arg(b.size());
  for (std::size_t i = 0; i < a.size(); ++i)
    if (!(a[i] == b[i]))
      return QStringLiteral("%1: %2 %3pt, then %4 %5pt")
          .arg(a[i].name, Text(a[i].geometry))
          .arg(a[i].size)
          .arg(Text(b[i].geometry))
          .arg(b[i].size);
  return {};
}

// Presses a zoom key in the widget with the focus, as a pupil does.
void Press(FormWindow& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
  QTest::keyClick(target, key, Qt::ControlModifier | modifiers);
}

// Why a control cannot be seen whole, off the screen or outside the view of a scroll area it
// stands in; empty where it can.
QString OutOfSight(const QWidget* control, const QRect& screen) {
  if (!screen.contains(QRect(control->mapToGlobal(QPoint()), control->size())))
    return control->objectName() + QStringLiteral(" off the screen");
  for (const QWidget* widget = control->parentWidget(); widget; widget = widget->parentWidget())
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(widget);
        area && !area->viewport()->rect().contains(
                    QRect(control->mapTo(area->viewport(), QPoint()), control->size())))
      return control->objectName() + QStringLiteral(" out of its view");
  return {};
}

}  // namespace

class ZoomTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseLayoutFaces(); }
  void everyWindowZoomsTogether_data();
  void everyWindowZoomsTogether();
  void aWindowMadeLaterIsMadeAtTheZoom_data() { everyWindowZoomsTogether_data(); }
  void aWindowMadeLaterIsMadeAtTheZoom();
  void aLayoutPixelIsZoomTimesDevicePixels();
  // On a screen of 1920 × 1080, every topic window in practice, zoomed to each step from the
  // keyboard, lies on the screen: just begun, after a wrong answer and its hint, and with the
  // solution shown in the panel; each answer box and the check, hint and solution buttons, reached
  // with Tab, is in view.
  void practiceStaysOnTheScreen_data();
  void practiceStaysOnTheScreen();
};

void ZoomTest::everyWindowZoomsTogether_data() {
  QTest::addColumn<FormId>("id");
  for (int n = 1; n <= kFormCount; ++n)
    QTest::newRow(qPrintable(QStringLiteral("Form%1").arg(n))) << static_cast<FormId>(n);
}

void ZoomTest::everyWindowZoomsTogether() {
  QFETCH(FormId, id);
  Program program;
  FormWindow& shown = program.registry.form(id);
  program.registry.show(id);
  if (std::ranges::find(testing::kTopicWindows, id) != std::end(testing::kTopicWindows))
    testing::Calculate(program, id);  // the solution panel opens
  // A box with the focus keeps its text: the keys are the zoom's.
  auto* box = qobject_cast<QLineEdit*>(shown.focusWidget());
  if (box != nullptr) QTest::keyClicks(box, "12");
  const QString typed = box ? box->text() : QString();
  std::vector<std::vector<Seen>> fresh;
  for (int n = 1; n <= kFormCount; ++n) fresh.push_back(Look(program.registry.form(FormId(n))));

  Press(shown, Qt::Key_Minus, Qt::NoModifier);  // no smaller than 100 %
  QCOMPARE(program.registry.zoom().percent(), 100);
  const Qt::KeyboardModifiers enlarge[] = {Qt::NoModifier, Qt::KeypadModifier, Qt::ShiftModifier};
  for (int press = 0; press < 8; ++press)
    Press(shown, press % 2 ? Qt::Key_Equal : Qt::Key_Plus, enlarge[press % 3]);
  QCOMPARE(program.registry.zoom().percent(), 300);  // and no larger

  for (int n = 1; n <= kFormCount; ++n) {
    FormWindow& window = program.registry.form(FormId(n));
    const std::vector<Seen> zoomed = Look(window);
    if (zoomed.size() != fresh[n - 1].size()) QCOMPARE(Difference(fresh[n - 1], zoomed), QString());
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.clientArea()->size(),
             TwipsSize(window.look().clientWidth, window.look().clientHeight, 3.0));
    for (std::size_t i = 0; i < zoomed.size(); ++i) {
      const Seen& was = fresh[n - 1][i];
      const Seen& is = zoomed[i];
      QCOMPARE(is.accessibleName, was.accessibleName);
      // A topic window's pane and panel go where the screen has room for them: its own size is
      // the screen's business (practiceStaysOnTheScreen).
      const bool topic = dynamic_cast<TopicWindow*>(&window) != nullptr;
      if (!is.fromRow && (i != 0 || topic)) continue;
      // Three times as large, give or take the rounding of each pixel; a width may follow a text's
      // (a label sized to it), whose face is hinted at each size: under Windows' rendering an
      // 8-point text is up to a third wider than a third of its 24-point width.
      const auto near = [](int three, int one) { return std::abs(three - 3 * one) <= 3 + one / 8; };
      const auto nearWidth = [](int three, int one) {
        return std::abs(three - 3 * one) <= 3 + one / 3;
      };
      const QString what = QStringLiteral("Form%1 %2: %3 at 300 %, %4 at 100 %")
                               .arg(n)
                               .arg(is.name, Text(is.geometry), Text(was.geometry));
      QVERIFY2(near(is.geometry.x(), was.geometry.x()) && near(is.geometry.y(), was.geometry.y()) &&
                   nearWidth(is.geometry.width(), was.geometry.width()) &&
                   near(is.geometry.height(), was.geometry.height()),
               qPrintable(what));
      QVERIFY2(std::abs(is.size - 3 * was.size) <= 1,
               qPrintable(what + QStringLiteral(" font %1 %2").arg(is.size).arg(was.size)));
    }
  }
  // Centred on its screen, or where it is larger than the screen, its top left corner on it.
  const QRect screen = shown.screen()->availableGeometry(), frame = shown.frameGeometry();
  for (const auto& [start, length, centre, room] :
       {std::tuple{frame.left(), frame.width(), screen.center().x(), screen.left()},
        std::tuple{frame.top(), frame.height(), screen.center().y(), screen.top()}})
    QVERIFY(std::abs(start + length / 2 - centre) <= 1 || start == room);
  if (box != nullptr) QCOMPARE(box->text(), typed);

  Press(shown, Qt::Key_Minus, Qt::KeypadModifier);
  QCOMPARE(program.registry.zoom().percent(), 250);
  Press(shown, Qt::Key_0, Qt::NoModifier);
  QCOMPARE(program.registry.zoom().percent(), 100);
  for (int n = 1; n <= kFormCount; ++n)
    QCOMPARE(Difference(fresh[n - 1], Look(program.registry.form(FormId(n)))), QString());
  if (box != nullptr) QCOMPARE(box->text(), typed);
}

void ZoomTest::aWindowMadeLaterIsMadeAtTheZoom() {
  QFETCH(FormId, id);
  Program zoomedLater, madeZoomed;
  zoomedLater.registry.form(id);
  for (Program* program : {&zoomedLater, &madeZoomed})
    for (int step = 0; step < 4; ++step) program->registry.zoom().enlarge();
  QCOMPARE(madeZoomed.registry.zoom().percent(), 200);
  QCOMPARE(Difference(Look(zoomedLater.registry.form(id)), Look(madeZoomed.registry.form(id))),
           QString());
}

// Qt scales logical pixels by the screen's factor, the zoom scales layout pixels: at scale factor 2
// (test_zoom_scaled) and 200 %, a line of one layout pixel is four device pixels, sharp, and the
// pictures are drawn from a rendering dense enough, or the densest there is.
void ZoomTest::aLayoutPixelIsZoomTimesDevicePixels() {
  Program program;
  for (int step = 0; step < 4; ++step) program.registry.zoom().enlarge();
  FormWindow& about = program.registry.form(FormId::Form10);
  const double density = 2.0 * about.devicePixelRatioF();
  const QImage image = about.clientArea()->grab().toImage();
  // Between the right edges of the two outer frames only the outer one's top and bottom lines
  // cross.
  const int x = qRound(Px(4620, 2.0) * about.devicePixelRatioF());
  int rows = 0;
  for (int y = 0; y < image.height(); ++y) {
    const QColor colour = image.pixelColor(x, y);
    rows += colour.green() > 200 && colour.red() < 180 && colour.blue() < 180;
  }
  QCOMPARE(rows, qRound(2 * density));
  for (FormId id : {FormId::Form1, FormId::Form10, FormId::Form14})
    for (const Decoration& decoration : program.registry.form(id).clientArea()->decorations())
      if (const auto* picture = std::get_if<Picture>(&decoration))
        // Its pixels to a layout pixel of its box, at least the density or three.
        QVERIFY2(picture->pixmap(density).width() / double(Px(picture->width)) >=
                     std::min(density, 3.0) - 0.01,
                 qPrintable(picture->resource));
}

void ZoomTest::practiceStaysOnTheScreen_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<int>("percent");
  for (const FormId id : testing::kTopicWindows)
    for (const int percent : {100, 125, 150, 175, 200, 250, 300})
      QTest::addRow("Form%d at %d %%", static_cast<int>(id), percent) << id << percent;
}

void ZoomTest::practiceStaysOnTheScreen() {
  QFETCH(FormId, id);
  QFETCH(int, percent);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  if (screen.width() < 1920 || screen.height() < 1080)
    QSKIP("The screen is smaller than 1920 x 1080 (test_zoom is given one of that size)");
  Program program;
  program.registry.show(id);
  auto& window = program.form<TopicWindow>(id);
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  testing::Calculate(program, id);  // the solution panel opens
  QTest::keyClick(window.focusWidget(), Qt::Key_F4);
  PracticePane& pane = *window.practicePane();
  // A run of the row's own, the same at every run of the test.
  pane.seedBox()->selectAll();
  QTest::keyClicks(pane.seedBox(), QByteArray::number(static_cast<int>(id) * 1000 + percent));
  QTest::keyClick(pane.seedBox(), Qt::Key_Return);
  while (program.registry.zoom().percent() < percent) Press(window, Qt::Key_Equal, Qt::NoModifier);
  QStringList controls;
  for (std::size_t i = 0; pane.answerBox(i) != nullptr; ++i)
    controls << pane.answerBox(i)->objectName();
  controls << "PracticeCheck"
           << "PracticeHintButton"
           << "PracticeSolution";

  for (const QString stage : {"begun", "hinted", "solved"}) {
    if (stage == "hinted") {
      pane.answerBox(0)->setFocus();
      QTest::keyClicks(pane.answerBox(0), "987654.321");  // no exercise's answer
      QTest::keyClick(pane.answerBox(0), Qt::Key_Return);
      QVERIFY(pane.findChild<QWidget*>("PracticeHint")->isVisible());
    } else if (stage == "solved") {
      pane.solutionButton()->click();
      QVERIFY(window.solutionPanel()->isOpen());
    }
    const QString where = QStringLiteral("%1, %2: ").arg(QTest::currentDataTag(), stage);
    QTRY_VERIFY2(screen.contains(window.frameGeometry()),
                 qPrintable(where + Text(window.frameGeometry())));
    // Scroll bars only where the screen is too small for what the window holds.
    const auto* view = window.findChild<QScrollArea*>("TopicView");
    QCOMPARE(view->verticalScrollBar()->isVisible() || view->horizontalScrollBar()->isVisible(),
             !view->rect().contains(view->widget()->rect()));
    for (const QString& name : controls) {
      QVERIFY2(testing::TabTo(window, qPrintable(name)), qPrintable(where + name));
      QTRY_VERIFY2(OutOfSight(window.focusWidget(), screen).isEmpty(),
                   qPrintable(where + OutOfSight(window.focusWidget(), screen)));
    }
  }
}

QTEST_MAIN(ZoomTest)
#include "test_zoom.moc"
