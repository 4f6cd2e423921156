// The panel "الحل" of every topic window, as the pupil sees it: it comes with the first
// calculation beside a layout that neither moves nor changes, it shows the steps, the exact answer
// and the figure of the last calculation, it follows edits and faults, and F2 hides and shows it.
// Run at scale factor 1 and, as test_solution_scaled, at 2. With NUMORA_SCREENSHOTS set to a
// folder, each window is saved there with its panel, for a person to look at.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include "app/WorksheetDialog.h"
#include "tests/windows/Harness.h"
#include "ui/platform/FormulaSetting.h"
#include "ui/platform/Settings.h"
#include "ui/platform/Utf16Text.h"
#include "ui/solution/FigureView.h"
#include "ui/solution/SolutionPanel.h"
#include "ui/solution/TopicWindow.h"

using namespace numora;
using numora::testing::Calculate;
using numora::testing::Program;
using numora::testing::SmallFileSystem;
using numora::testing::Solve;
using numora::testing::Type;

namespace {

// The widgets of the layout, in tab order, with where they stand in the window.
QStringList Layout(const FormWindow& window) {
  QStringList controls;
  for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain())
    if (w->parentWidget() == window.clientArea() ||
        w->parentWidget()->parentWidget() == window.clientArea())
      controls << w->objectName() + QStringLiteral("@%1,%2 %3x%4")
                                        .arg(w->mapTo(&window, QPoint()).x())
                                        .arg(w->mapTo(&window, QPoint()).y())
                                        .arg(w->width())
                                        .arg(w->height());
  return controls;
}

// Whether the picture holds pixels of the colour, as a drawn outline would.
bool Draws(const QImage& picture, const QColor& ink) {
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (QColor(image.pixel(x, y)) == ink) return true;
  return false;
}

}  // namespace

class SolutionTest : public QObject {
  Q_OBJECT

 private slots:
  void everyWindowShowsItsSolution_data();
  void everyWindowShowsItsSolution();
  void thePanelFollowsEditsAndFaults();
  void theFormulasDirectionIsTheProgramsAndIsKept();
  void aChoiceThatCannotBeKeptSaysSoOnce_data();
  void aChoiceThatCannotBeKeptSaysSoOnce();
  void aSettingsFileOfAnySizeKeepsOnlyTheProgramsOwn();
  void theArrowKeysGoFromLineToLineInView();
};

void SolutionTest::everyWindowShowsItsSolution_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<QStringList>("inputs");
  QTest::addColumn<QString>("option");
  QTest::addColumn<QString>("line");  // a line of the solution
  // Its first line, the problem, and its last lines, the answer.
  QTest::addColumn<QString>("problem");
  QTest::addColumn<QStringList>("answer");
  QTest::addRow("roots") << FormId::Form2 << QStringList{"Text1", "2", "Text2", "8"} << ""
                         << u"الناتج = 2√2 ≈ 2.83"_qs << u"الجذر التربيعي للعدد 8"_qs
                         << QStringList{u"الناتج = 2√2 ≈ 2.83"_qs};
  QTest::addRow("powers") << FormId::Form3 << QStringList{"Text1", "2", "Text2", "3"} << ""
                          << u"الناتج = الأساس ^ الأس = 2³ = 8"_qs
                          << u"العدد 2 مرفوعا إلى الأس 3"_qs << QStringList{u"الناتج = 8"_qs};
  QTest::addRow("trapezoid") << FormId::Form4
                             << QStringList{"Text1", "3", "Text2", "5", "Text3", "4"} << ""
                             << QString()
                             << u"شبه منحرف قاعدتاه المتوازيتان 3 سم و5 سم وارتفاعه 4 سم"_qs
                             << QStringList{u"المساحة = 16 سم²"_qs};
  QTest::addRow("circle") << FormId::Form5 << QStringList{"Text1", "2"} << ""
                          << u"المساحة = 3.14 نق² = 3.14 × 2² = 3.14 × 4 = 12.56"_qs
                          << u"دائرة نصف قطرها 2 سم"_qs
                          << QStringList{u"المساحة = 4ط ≈ 12.56 سم²"_qs,
                                         u"المحيط = 4ط ≈ 12.56 سم"_qs};
  QTest::addRow("rectangle") << FormId::Form6 << QStringList{"Text1", "2", "Text2", "8"} << ""
                             << QString() << u"مستطيل عرضه 2 سم وطوله 8 سم"_qs
                             << QStringList{u"المساحة = 16 سم²"_qs,
                                            u"طول القطر = 2√17 ≈ 8.25 سم"_qs, u"المحيط = 20 سم"_qs};
  QTest::addRow("cuboid") << FormId::Form7 << QStringList{"Text1", "2", "Text2", "3", "Text3", "4"}
                          << "" << QString()
                          << u"متوازي مستطيلات عرضه 2 سم وارتفاعه 3 سم وطوله 4 سم"_qs
                          << QStringList{u"المساحة الكلية = 52 سم²"_qs, u"الحجم = 24 سم³"_qs,
                                         u"المساحة الجانبية = 36 سم²"_qs};
  QTest::addRow("triangle") << FormId::Form8 << QStringList{"Text1", "4", "Text2", "6"} << ""
                            << QString() << u"مثلث قاعدته 6 سم وارتفاعه 4 سم"_qs
                            << QStringList{u"المساحة = 12 سم²"_qs};
  QTest::addRow("sphere") << FormId::Form9 << QStringList{"Text1", "1"} << ""
                          << u"الحجم = 4ط/3 = 1 1/3 ط ≈ 4.18666666666667"_qs
                          << u"كرة نصف قطرها 1 سم"_qs
                          << QStringList{u"المساحة = 4ط ≈ 12.56 سم²"_qs,
                                         u"الحجم = 1 1/3 ط ≈ 4.19 سم³"_qs};
  QTest::addRow("pythagoras") << FormId::Form11 << QStringList{"Text1", "2", "Text2", "4"} << ""
                              << u"طول الوتر = 2√5 ≈ 4.47 سم"_qs << u"مثلث قائم ضلعاه 2 سم و4 سم"_qs
                              << QStringList{u"طول الوتر = 2√5 ≈ 4.47 سم"_qs};
  QTest::addRow("cylinder") << FormId::Form12 << QStringList{"Text1", "1", "Text2", "2"} << ""
                            << QString() << u"أسطوانة نصف قطر قاعدتها 1 سم وارتفاعها 2 سم"_qs
                            << QStringList{u"الحجم = 2ط ≈ 6.28 سم³"_qs,
                                           u"المساحة الجانبية = 4ط ≈ 12.56 سم²"_qs,
                                           u"المساحة الكلية = 6ط ≈ 18.84 سم²"_qs};
  QTest::addRow("quadratic") << FormId::Form13
                             << QStringList{"Text1", "1", "Text2", "-5", "Text3", "3"} << ""
                             << u"س = (5 - √13)/2 ≈ 0.697224362268005"_qs << u"س² - 5 س + 3 = 0"_qs
                             << QStringList{u"س = (5 - √13)/2 ≈ 0.70 أو س = (5 + √13)/2 ≈ 4.30"_qs};
  // Whole coefficients: the roots as fractions.
  QTest::addRow("quadratic, rational roots")
      << FormId::Form13 << QStringList{"Text1", "2", "Text2", "-7", "Text3", "3"} << "" << QString()
      << u"2 س² - 7 س + 3 = 0"_qs << QStringList{u"س = ½ أو س = 3"_qs};
  QTest::addRow("temperature") << FormId::Form15 << QStringList{"Text1", "100"} << "Option2"
                               << u"سلسيوس = 340/9 = 37 7/9 ≈ 37.7777777777778"_qs
                               << u"حول 100 من فهرنهايت إلى سلسيوس"_qs
                               << QStringList{u"سلسيوس = 37 7/9 ≈ 37.78 °س"_qs};
}

void SolutionTest::everyWindowShowsItsSolution() {
  QFETCH(FormId, id);
  QFETCH(QStringList, inputs);
  QFETCH(QString, option);
  QFETCH(QString, line);
  QFETCH(QString, problem);
  QFETCH(QStringList, answer);
  Program program;
  auto& window = dynamic_cast<TopicWindow&>(program.registry.form(id));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const QStringList layout = Layout(window);
  const QSize before = window.size();
  QVERIFY(window.solutionPanel() == nullptr);  // as it looks until the first calculation

  QVERIFY(Type(window, inputs));
  if (!option.isEmpty()) window.findChild<QRadioButton*>(option)->click();
  Calculate(program, id);
  SolutionPanel* panel = window.solutionPanel();
  QVERIFY(panel != nullptr && panel->isOpen());
  QTRY_VERIFY(window.width() > before.width() || window.height() > before.height());
  QCOMPARE(Layout(window), layout);  // the layout neither moved nor changed, nor its tab order
  QVERIFY(program.messages.shown.empty());
  // The panel is on the screen: beside the layout, the window moved left only as far as it had
  // to; where the screen is too narrow for both, below the layout.
  const QRect available = window.screen()->availableGeometry();
  const bool below = panel->mapTo(&window, QPoint()).y() >= window.clientArea()->height();
  if (below)
    QVERIFY(window.clientArea()->width() + panel->openWidth() > available.width());
  else
    QTRY_VERIFY(window.frameGeometry().right() <= available.right() ||
                window.frameGeometry().left() == available.left());

  // A step's rows ("= ...") joined back into its line.
  const QString text =
      WithoutBidiMarks(panel->text()->toPlainText()).replace(u"\n= "_qs, u" = "_qs);
  QVERIFY2(!text.isEmpty(), qPrintable(text));
  if (!line.isEmpty()) QVERIFY2(text.split('\n').contains(line), qPrintable(text));
  // The problem heads it and the answer closes it, each a line a screen reader reads.
  const QStringList lines = text.split('\n');
  QVERIFY(lines.size() > answer.size() + 1);
  QCOMPARE(lines.front(), problem);
  QCOMPARE(lines.mid(lines.size() - answer.size()), answer);

  // The figure is drawn, in the palette's colours, and says what it shows.
  FigureView* figure = panel->figure();
  QVERIFY2(figure->figure().cannotDraw.empty(), qPrintable(figure->accessibleDescription()));
  QVERIFY(!figure->accessibleName().isEmpty());
  QVERIFY(!figure->accessibleDescription().isEmpty());
  QVERIFY(Draws(figure->grab().toImage(), figure->palette().color(QPalette::WindowText)));

  if (const QByteArray folder = qgetenv("NUMORA_SCREENSHOTS"); !folder.isEmpty())
    window.grab().save(
        QString::fromLocal8Bit(folder) +
        QStringLiteral("/%1-x%2.png").arg(QTest::currentDataTag()).arg(window.devicePixelRatioF()));

  // F2 hides it, leaving its button beside or below the layout, and shows it again.
  const QSize open = window.size();
  QTest::keyClick(&window, Qt::Key_F2);
  QTRY_VERIFY(below ? window.height() < open.height() : window.width() < open.width());
  QVERIFY(!panel->isOpen() && panel->toggleButton()->isVisible());
  if (!below) QCOMPARE(window.height(), open.height());
  QCOMPARE(Layout(window), layout);
  panel->toggleButton()->click();
  QTRY_COMPARE(window.size(), open);
}

void SolutionTest::thePanelFollowsEditsAndFaults() {
  Program program;
  auto& window = dynamic_cast<TopicWindow&>(program.registry.form(FormId::Form13));
  window.show();
  QVERIFY(Type(window, {"Text1", "1", "Text2", "0", "Text3", "1"}));
  Calculate(program, FormId::Form13);
  SolutionPanel* panel = window.solutionPanel();
  // No real root: the reason said once, and the parabola that misses the x-axis.
  const QString text = panel->text()->toPlainText();
  QCOMPARE(text.count(u"المميز سالب"_qs), 1);
  // Both roots left out: no answer, the reason last.
  QVERIFY2(text.split('\n').last().contains(u"المميز سالب"_qs), qPrintable(text));
  QVERIFY(panel->figure()->figure().cannotDraw.empty());
  QVERIFY(!panel->figure()->figure().caption.empty());

  // An edit greys the panel and says why. Only the ink changes: a palette set anew at each edit
  // would leave new copies of the scroll bar's pictures in the style's cache at every click.
  const qint64 palette = panel->text()->palette().cacheKey();
  QVERIFY(Type(window, {"Text3", "-1"}));
  QVERIFY(panel->staleNote()->isVisible());
  QVERIFY(!panel->figure()->isEnabled());
  const QColor ink = panel->palette().color(QPalette::Active, QPalette::Text);
  const QColor grey = panel->palette().color(QPalette::Disabled, QPalette::Text);
  QVERIFY(grey != ink);
  QVERIFY(Draws(panel->text()->viewport()->grab().toImage(), grey));
  QVERIFY(!Draws(panel->text()->viewport()->grab().toImage(), ink));
  Calculate(program, FormId::Form13);
  QVERIFY(!panel->staleNote()->isVisible());
  QVERIFY(Draws(panel->text()->viewport()->grab().toImage(), ink));
  QCOMPARE(panel->text()->palette().cacheKey(), palette);

  // A box's undo history is bounded: after many edits a calculation starts it afresh, and the
  // text and the cursor stay as the pupil left them.
  auto* box = window.findChild<QLineEdit*>(QStringLiteral("Text3"));
  box->setFocus();
  for (int edit = 0; edit < TopicWindow::kUndoneEdits / 2 + 1; ++edit) {
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_1);
  }
  box->setCursorPosition(1);
  QVERIFY(box->isUndoAvailable());
  Calculate(program, FormId::Form13);
  QCOMPARE(box->text(), u"-1"_qs);
  QCOMPARE(box->cursorPosition(), 1);
  QVERIFY(!box->isUndoAvailable());
  QVERIFY(!panel->staleNote()->isVisible());

  // A fault: the steps as far as they go, its plain sentence, and no figure but the reason.
  QVERIFY(Type(window, {"Text1", "1e300", "Text2", "1e300", "Text3", "1"}));
  Calculate(program, FormId::Form13);
  QCOMPARE(program.messages.shown.size(), std::size_t{2});  // "المعادلة لاتحل", then the fault
  // The problem still heads the steps, and the fault's sentence closes them, with no answer.
  const QStringList stopped = WithoutBidiMarks(panel->text()->toPlainText()).split('\n');
  QCOMPARE(stopped.first(), u"(1E+300) س² + (1E+300) س + 1 = 0"_qs);
  QVERIFY2(stopped.last().contains(u"المميز أكبر مما يحسبه البرنامج"_qs),
           qPrintable(stopped.join('\n')));
  QVERIFY(!panel->figure()->figure().cannotDraw.empty());
  QVERIFY(!Draws(panel->figure()->grab().toImage(), panel->palette().color(QPalette::Highlight)));
}

void SolutionTest::theFormulasDirectionIsTheProgramsAndIsKept() {
  QTemporaryDir folder;
  const QString settings = folder.filePath(QStringLiteral("numora.ini"));
  // Where the first step's "=" is drawn: on the name's right reading left to right, on its left
  // reading right to left.
  const auto signAfterName = [](TopicWindow& window) {
    const std::vector<SetSolutionLine>& lines = window.solutionPanel()->text()->setLines();
    const auto first = std::find_if(lines.begin(), lines.end(), [](const SetSolutionLine& line) {
      return line.line->kind == SolutionLine::Kind::Step;
    });
    if (first == lines.end()) return FormulaDirection{};
    const MathBox& box = first->rows.front().box;
    double name = -1, sign = -1;
    for (const MathRun& run : box.runs) {
      if (run.kind == Math::Kind::Name && name < 0) name = run.x;
      if (run.text == u"=" && sign < 0) sign = run.x;
    }
    return sign > name ? FormulaDirection::LeftToRight : FormulaDirection::RightToLeft;
  };
  {
    Program program({}, FormulaDirection::RightToLeft, settings);
    auto& circle = program.form<TopicWindow>(FormId::Form5);
    auto& roots = program.form<TopicWindow>(FormId::Form2);
    circle.show();
    QVERIFY(Type(circle, {"Text1", "7"}));
    Calculate(program, FormId::Form5);
    roots.show();
    QVERIFY(Type(roots, {"Text1", "3", "Text2", "-27"}));
    Calculate(program, FormId::Form2);
    QCOMPARE(signAfterName(circle), FormulaDirection::RightToLeft);
    // The panel paints its rows: ink where the first one stands.
    SolutionText* text = roots.solutionPanel()->text();
    const QImage drawn = text->viewport()->grab(text->lineRect(0).toRect()).toImage();
    QVERIFY(Draws(drawn, text->palette().color(QPalette::Text)));

    // The button of one window changes every window at once, and says which way they read.
    roots.solutionPanel()->directionButton()->click();
    QCOMPARE(signAfterName(circle), FormulaDirection::LeftToRight);
    QCOMPARE(signAfterName(roots), FormulaDirection::LeftToRight);
    QVERIFY(circle.solutionPanel()->directionButton()->text().contains(u"من اليسار"_qs));
    // The text a screen reader reads is the same either way.
    QVERIFY2(text->toPlainText().contains(u"∛-27"_qs), qPrintable(text->toPlainText()));
  }
  // After a restart the choice is there, whatever the region's.
  Program again({}, FormulaDirection::RightToLeft, settings);
  auto& circle = again.form<TopicWindow>(FormId::Form5);
  circle.show();
  QVERIFY(Type(circle, {"Text1", "7"}));
  Calculate(again, FormId::Form5);
  QCOMPARE(signAfterName(circle), FormulaDirection::LeftToRight);
  // π is the notation's letter in the answer and in the note under it, in either direction.
  const auto piIn = [&circle](const QString& letter) {
    const QString text = WithoutBidiMarks(circle.solutionPanel()->text()->toPlainText());
    return text.contains(u"المساحة = 49"_qs + letter + u" ≈ 153.86"_qs) &&
           text.count(u"القيمة العشرية تأخذ "_qs + letter + u" على أنها 3.14"_qs) == 1;
  };
  QVERIFY(piIn(u"ط"_qs));
  QVERIFY(QTest::qWaitForWindowExposed(&circle));
  QTest::keyClick(&circle, Qt::Key_F3);
  QCOMPARE(signAfterName(circle), FormulaDirection::RightToLeft);
  QVERIFY(piIn(u"ط"_qs));
  // An unreadable setting is the region's direction.
  QFile broken(settings);
  QVERIFY(broken.open(QIODevice::WriteOnly));
  broken.write("[formulas]\ndirection=sideways\n\0\xff");
  broken.close();
  SettingsStore store(settings);
  QCOMPARE(
      FormulaSetting(Notation({}, NotationStyle::Mashriq, FormulaDirection::LeftToRight), store)
          .direction(),
      FormulaDirection::LeftToRight);
}

void SolutionTest::aChoiceThatCannotBeKeptSaysSoOnce_data() {
  QTest::addColumn<QString>("where");
  QTest::newRow("a folder in the file's place") << u"folder"_qs;
  QTest::newRow("a file in the folder's place") << u"file"_qs;
  QTest::newRow("a full disk") << u"full"_qs;
}

// Where the settings cannot be written, the choice holds while the program runs, and a quiet line
// says so, in every panel and the worksheet dialog; the screen reader hears it once, no box.
void SolutionTest::aChoiceThatCannotBeKeptSaysSoOnce() {
  QFETCH(QString, where);
  QTemporaryDir folder;
  const SmallFileSystem small("16k");
  QString settings = folder.filePath(QStringLiteral("numora.ini"));
  if (where == u"folder") QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("numora.ini")));
  if (where == u"file") {
    QFile config(folder.filePath(QStringLiteral("config")));
    QVERIFY(config.open(QIODevice::WriteOnly) && config.write("x") == 1);
    settings = folder.filePath(QStringLiteral("config/numora.ini"));
  }
  if (where == u"full") {
    if (!small.ready()) QSKIP("no small file system could be mounted here");
    QFile filler(small.filePath(QStringLiteral("filler")));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(1024, 'y')) > 0 && filler.flush()) {
    }
    settings = small.filePath(QStringLiteral("numora.ini"));
  }
  Program program({}, FormulaDirection::LeftToRight, settings);
  auto& circle = program.form<TopicWindow>(FormId::Form5);
  circle.show();
  QVERIFY(Solve(program, FormId::Form5, {"Text1", "7"}));
  QVERIFY(QTest::qWaitForWindowActive(&circle));
  SolutionPanel* panel = circle.solutionPanel();
  QVERIFY(!panel->notKeptNote()->isVisible());
  QSignalSpy notKept(&program.registry.formulas().settings(), &SettingsStore::notKept);
  QTest::keyClick(&circle, Qt::Key_F3);
  QCOMPARE(program.registry.formulas().direction(), FormulaDirection::RightToLeft);
  QVERIFY(panel->notKeptNote()->isVisible());
  QCOMPARE(panel->notKeptNote()->text(), SettingsStore::kNotKeptNote);
  QCOMPARE(circle.announced(), SettingsStore::kNotKeptNote);
  QTest::keyClick(&circle, Qt::Key_F3);
  QCOMPARE(program.registry.formulas().direction(), FormulaDirection::LeftToRight);
  QCOMPARE(notKept.size(), 1);
  QVERIFY(program.messages.shown.empty());
  // A panel made since says it too, and the worksheet dialog.
  auto& square = program.form<TopicWindow>(FormId::Form6);
  QVERIFY(Solve(program, FormId::Form6, {"Text1", "3", "Text2", "4"}));
  QVERIFY(!square.solutionPanel()->notKeptNote()->isHidden());
  circle.practicePane()->worksheetButton()->click();
  QVERIFY(!program.registry.worksheet()->findChild<QLabel*>("SettingsNotKept")->isHidden());
}

// A settings file of any size is read a line at a time, keeps the program's own groups, reads
// what Qt's own INI files wrote, and is written back with those groups alone.
void SolutionTest::aSettingsFileOfAnySizeKeepsOnlyTheProgramsOwn() {
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("numora.ini"));
  {
    QSettings written(file, QSettings::IniFormat);
    written.setValue("formulas/direction", "rtl");
    written.setValue("worksheet/topics", QStringList{"Form5", "Form13"});
    written.setValue("worksheet/level", "hard");
    written.setValue("worksheet/count", 7);
    written.setValue("worksheet/one", QStringList{"Form4"});
    written.setValue("worksheet/none", QStringList{});
    written.setValue("worksheet/odd", QStringList{" a, b", "c\"d"});
  }
  SettingsStore store(file);
  const auto read = [&](const char* key) { return store.open()->value(key); };
  QCOMPARE(read("formulas/direction").toString(), u"rtl"_qs);
  QCOMPARE(read("worksheet/topics").toStringList(), (QStringList{"Form5", "Form13"}));
  QCOMPARE(read("worksheet/count").toInt(), 7);
  QCOMPARE(read("worksheet/one").toStringList(), QStringList{"Form4"});
  QVERIFY(read("worksheet/none").toStringList().isEmpty());
  QCOMPARE(read("worksheet/odd").toStringList(), (QStringList{" a, b", "c\"d"}));
  // Many megabytes of other groups around them, and a line of megabytes in the program's own.
  QFile grown(file);
  QVERIFY(grown.open(QIODevice::Append));
  const QByteArray junk = "[junk]\nkey=" + QByteArray(1000, 'j') + "\n";
  for (int i = 0; i < 20'000; ++i) grown.write(junk);
  grown.write("[worksheet]\nlong=" + QByteArray(5'000'000, 'l') + "\ncopies=3\n");
  grown.close();
  QCOMPARE(read("worksheet/copies").toInt(), 3);
  QVERIFY(!read("junk/key").isValid());
  QVERIFY(!read("worksheet/long").isValid());
  FormulaSetting formulas(Notation({}, NotationStyle::Mashriq, FormulaDirection::LeftToRight),
                          store);
  QCOMPARE(formulas.direction(), FormulaDirection::RightToLeft);
  formulas.toggle();
  QVERIFY(store.kept());
  QVERIFY2(QFileInfo(file).size() < 1024, qPrintable(QString::number(QFileInfo(file).size())));
  QCOMPARE(read("formulas/direction").toString(), u"ltr"_qs);
  QCOMPARE(read("worksheet/topics").toStringList(), (QStringList{"Form5", "Form13"}));
  QCOMPARE(read("worksheet/odd").toStringList(), (QStringList{" a, b", "c\"d"}));
  // What it wrote reads back through Qt's own INI reading too.
  QSettings again(file, QSettings::IniFormat);
  QCOMPARE(again.value("worksheet/topics").toStringList(), (QStringList{"Form5", "Form13"}));
  QCOMPARE(again.value("worksheet/odd").toStringList(), (QStringList{" a, b", "c\"d"}));
}

void SolutionTest::theArrowKeysGoFromLineToLineInView() {
  Program program;
  auto& window = program.form<TopicWindow>(FormId::Form13);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QVERIFY(Type(window, {"Text1", "2", "Text2", "-7", "Text3", "3"}));
  Calculate(program, FormId::Form13);
  SolutionText* text = window.solutionPanel()->text();
  text->setFocus();
  const int lines = text->document()->blockCount();
  QVERIFY(lines > 10);
  for (int line = 0; line < lines; ++line) {
    QCOMPARE(text->textCursor().blockNumber(), line);
    // The framed line is wholly in view, whatever was scrolled to reach it.
    const QRectF rect = text->lineRect(line);
    QVERIFY2(rect.top() >= 0 && rect.bottom() <= text->viewport()->height(),
             qPrintable(QStringLiteral("line %1 at %2 to %3 of %4")
                            .arg(line)
                            .arg(rect.top())
                            .arg(rect.bottom())
                            .arg(text->viewport()->height())));
    QTest::keyClick(text, Qt::Key_Down);
  }
  // The whole solution copies as its text, and the selection is marked on the rows drawn.
  const QImage before = text->viewport()->grab().toImage();
  QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QGuiApplication::clipboard()->text(), text->toPlainText());
  QVERIFY(text->viewport()->grab().toImage() != before);
}

QTEST_MAIN(SolutionTest)
#include "test_solution.moc"
