// A worksheet with its keys, written as a PDF file and read back with pdftotext: the numbers of
// the exercises, the seed, the pupil's name line on every copy, the keys where they were asked
// for, and in each key the answers the window itself shows for the same numbers. With
// NUMORA_PRINT_DIR set to a folder, the files are kept there.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/MainMenuWindow.h"
#include "app/WorksheetDialog.h"
#include "numeric/Bidi.h"
#include "numeric/NumberReading.h"
#include "tests/windows/Harness.h"
#include "topics/algebra/AlgebraExercises.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/geometry/GeometryExercises.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/temperature/TemperatureExercises.h"
#include "ui/platform/Utf16Text.h"
#include "ui/solution/PracticePane.h"
#include "ui/solution/TopicWindow.h"
#include "ui/solution/Worksheet.h"

Q_DECLARE_METATYPE(numora::FormulaDirection)
Q_DECLARE_METATYPE(numora::KeysPlace)

using namespace numora;
using numora::testing::CalculateButton;
using numora::testing::PreviewedPages;
using numora::testing::Program;
using numora::testing::SmallFileSystem;

namespace {

// Exercises made by hand; the windows compute their answers.
Exercise Circles(Level, Random& random) {
  return {{{std::u16string(kRadius), random.between(2, 40)}}, {&CircleArea, &CircleCircumference}};
}
// Legs 3k and 4k: the hypotenuse 5k is a number the sheet must not show before the key.
Exercise Hypotenuses(Level, Random& random) {
  const int k = random.between(3, 19);
  return {
      {{std::u16string(kFirstLeg), 3 * k}, {std::u16string(kSecondLeg), 4 * k}}, {&Hypotenuse}, 0};
}
Exercise Equations(Level, Random& random) {
  const int p = random.between(1, 9), q = random.between(1, 9);
  return {{{std::u16string(kA), 1}, {std::u16string(kB), -(p + q)}, {std::u16string(kC), p * q}},
          {&FirstRoot, &SecondRoot}};
}

// Every topic a sheet can hold, with its window.
constexpr std::pair<FormId, ExerciseOf> kEveryTopic[] = {
    {FormId::Form8, &TriangleExercise},    {FormId::Form2, &RootExercise},
    {FormId::Form12, &CylinderExercise},   {FormId::Form9, &SphereExercise},
    {FormId::Form3, &PowerExercise},       {FormId::Form5, &CircleExercise},
    {FormId::Form11, &PythagorasExercise}, {FormId::Form4, &TrapezoidExercise},
    {FormId::Form13, &QuadraticExercise},  {FormId::Form6, &RectangleExercise},
    {FormId::Form7, &CuboidExercise},      {FormId::Form15, &TemperatureExercise}};

QString Run(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return QStringLiteral("(failed)");
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The page's text without spaces and direction marks, shaped forms as letters: a number set in a
// formula comes out as its digits in a row.
QString Plain(const QString& text) {
  return WithoutBidiMarks(text.normalized(QString::NormalizationForm_KC))
      .remove(QRegularExpression(QStringLiteral("\\s")));
}

QString Folder(QTemporaryDir& temporary) {
  const QByteArray kept = qgetenv("NUMORA_PRINT_DIR");
  const QString folder = kept.isEmpty() ? temporary.path() : QString::fromLocal8Bit(kept);
  QDir().mkpath(folder);
  return folder;
}

WorksheetChoice Mix(Program& program, int count, int copies, KeysPlace keys) {
  const auto window = [&program](FormId id) {
    return &dynamic_cast<TopicWindow&>(program.registry.form(id));
  };
  return {.topics = {{u"الدائرة", window(FormId::Form5), &Circles},
                     {u"فيثاغورس", window(FormId::Form11), &Hypotenuses},
                     {u"حل المعادلة التربيعية", window(FormId::Form13), &Equations}},
          .count = count,
          .level = Level::Medium,
          .seed = 4321,
          .copies = copies,
          .keys = keys};
}

// A line that mixes directions comes out of pdftotext in the order of its runs: lines are compared
// as their letters, sorted.
QString Letters(const QString& line) {
  QString sorted = Plain(line);
  std::sort(sorted.begin(), sorted.end());
  return sorted;
}
qsizetype LinesLike(const QString& page, const QString& line) {
  const QStringList lines = page.split(QRegularExpression(QStringLiteral("[\n\f]")));
  return std::count_if(lines.begin(), lines.end(),
                       [wanted = Letters(line)](const QString& l) { return Letters(l) == wanted; });
}
// Whether the text is on the page, on one line or broken over two or three in a row, or run into
// the line of a formula before it.
bool OnThePage(const QString& page, const QString& text) {
  if (Plain(page).contains(Plain(text))) return true;
  const QStringList lines = page.split(QRegularExpression(QStringLiteral("[\n\f]")));
  const QString wanted = Letters(text);
  for (qsizetype at = 0; at < lines.size(); ++at) {
    QString joined;
    for (qsizetype n = 0; n < 3 && at + n < lines.size(); ++n)
      if (Letters(joined += lines[at + n]) == wanted) return true;
  }
  return false;
}

// Which sheet or key each page belongs to, by the foot it has, its pages numbered from 1 one after
// the other and a copy's first page with the name line: "sheet1 key1 sheet2 key2", or what is
// wrong with a page.
QString RunsOfPages(const QStringList& pages, std::uint64_t seed, int copies, Numerals numerals,
                    QStringList* owners = nullptr) {
  const std::vector<std::uint64_t> seeds = CopySeeds(seed, copies);
  QStringList order;
  int expectedPage = 1, pagesOfRun = 0;
  for (const QString& page : pages) {
    // The page's number and its sheet's pages, the first two numbers of its foot in their order.
    static const QRegularExpression kNumber(QStringLiteral(u"[0-9٠-٩]+"));
    const QString foot =
        page.normalized(QString::NormalizationForm_KC).split(u'\n').filter(u"صفحة"_qs).value(0);
    std::vector<int> numbers;
    for (const QRegularExpressionMatch& match : kNumber.globalMatch(foot)) {
      int value = 0;
      for (const QChar digit : match.captured()) value = 10 * value + digit.digitValue();
      numbers.push_back(value);
    }
    QString found;
    for (int copy = 1; copy <= copies && found.isEmpty() && numbers.size() >= 2; ++copy) {
      const int at = numbers[0], all = numbers[1];
      const std::u16string mark = CopyMark(seeds[copy - 1], copy, copies, numerals);
      for (const auto& [what, sheetMark] :
           {std::pair{u"sheet"_qs, mark}, std::pair{u"key"_qs, u"مفتاح الإجابات: " + mark}}) {
        if (!found.isEmpty() ||
            LinesLike(page, ToQString(PageFooter(at, all, sheetMark, numerals))) != 1)
          continue;
        found = what + QString::number(copy);
        if (order.isEmpty() || order.back() != found) {
          if (at != 1) return u"a sheet begins on its page %1"_qs.arg(at);
          if (what == u"sheet"_qs && LinesLike(page, ToQString(kNameLine)) != 1)
            return u"no name line on the first page of "_qs + found;
          order << found;
          expectedPage = 1;
          pagesOfRun = all;
        }
        if (at != expectedPage++ || all != pagesOfRun)
          return u"page %1 of %2 out of order in "_qs.arg(at).arg(all) + found;
      }
    }
    if (found.isEmpty()) return u"a page without its foot: "_qs + foot + u"\n"_qs + page;
    if (owners != nullptr) owners->append(found);
  }
  return order.join(u' ');
}
}  // namespace

class WorksheetTest : public QObject {
  Q_OBJECT

 private slots:
  void sheetAndKeyHoldWhatTheWindowsCompute_data();
  void sheetAndKeyHoldWhatTheWindowsCompute();
  void everyTopicsOwnExercises_data();
  void everyTopicsOwnExercises();
  void everyTopicOnPaper_data();
  void everyTopicOnPaper();
  void copiesAndTheirKeys_data();
  void copiesAndTheirKeys();
  void theDialogFromTheMenuAndFromATopicWindow();
  void aClassSetStopsAtCancelAndLeavesTheFile_data();
  void aClassSetStopsAtCancelAndLeavesTheFile();
  void aNameWithoutItsSuffixAsksFirst();
  void aFullDiskLeavesTheOldFile();
  void thePreviewShowsThePagesPrinted();
  void theChoicesAreKeptForNextTime();
};

void WorksheetTest::sheetAndKeyHoldWhatTheWindowsCompute_data() {
  QTest::addColumn<QChar>("zero");
  QTest::addColumn<QChar>("separator");
  QTest::addColumn<FormulaDirection>("direction");
  QTest::addRow("ar_EG") << QChar(u'٠') << QChar(u'٫') << FormulaDirection::RightToLeft;
  QTest::addRow("ar_MA") << QChar(u'0') << QChar(u',') << FormulaDirection::LeftToRight;
}

void WorksheetTest::sheetAndKeyHoldWhatTheWindowsCompute() {
  QFETCH(QChar, zero);
  QFETCH(QChar, separator);
  QFETCH(FormulaDirection, direction);
  const Numerals numerals(separator.unicode(), zero.unicode());
  Program program(numerals, direction);
  const WorksheetChoice choice = Mix(program, 4, 1, KeysPlace::AfterEachCopy);
  const PrintedSheet sheet = MakeSheet(choice, numerals, direction);
  QCOMPARE(sheet.copies.size(), 1u);
  QCOMPARE(sheet.copies[0].entries.size(), 4u);

  QTemporaryDir temporary;
  const QString pdf =
      Folder(temporary) + QStringLiteral("/worksheet-%1.pdf").arg(QTest::currentDataTag());
  QVERIFY(WriteSheetPdf(sheet, pdf));
  QVERIFY(program.messages.shown.empty());
  const QString page = Run(NUMORA_PDFTOTEXT, {pdf, "-"});
  const QString text = Plain(page);

  // The title, the level and the seed, the name line; the key after the exercises.
  QCOMPARE(LinesLike(page, u"تمارين متنوعة"_qs), 1);  // the key names it beside the level
  QCOMPARE(LinesLike(page, ToQString(SheetDetails(Level::Medium, 4321, 1, 1, numerals))), 1);
  QCOMPARE(LinesLike(page, ToQString(kNameLine)), 1);
  const qsizetype key = text.indexOf(Plain(u"مفتاح الإجابات"_qs));
  QVERIFY(key > 0);
  const QString onSheet = text.left(key), inKey = text.mid(key);
  // Each number once on the sheet (two pages) and once in the key, in order.
  qsizetype sheetAt = 0, keyAt = 0;
  for (int n = 1; n <= 4; ++n) {
    const QString heading = Plain(ToQString(ExerciseHeading(n, numerals)));
    const qsizetype there = onSheet.indexOf(heading, sheetAt), here = inKey.indexOf(heading, keyAt);
    QVERIFY2(there >= sheetAt && here >= keyAt, qPrintable(heading));
    sheetAt = there + heading.size();
    keyAt = here + heading.size();
  }

  // The window, given each exercise's numbers by a click, writes the answers the key gives; the
  // sheet shows none of them where it is a number the pupil is not given.
  const std::vector<SheetCopy> composed =
      ComposeSheet({{&Circles, &Hypotenuses, &Equations}, 4, Level::Medium, 4321, 1});
  for (const SheetExercise& item : composed.front().exercises) {
    TopicWindow& window = *choice.topics[item.topic].window;
    const WorkedExercise worked = window.work(item.exercise);
    window.show();
    for (const WorkedExercise::Box& box : worked.boxes)
      static_cast<QLineEdit*>(const_cast<void*>(box.field))->setText(ToQString(box.text));
    const FormId id = item.topic == 0   ? FormId::Form5
                      : item.topic == 1 ? FormId::Form11
                                        : FormId::Form13;
    CalculateButton(program, id)->click();
    QVERIFY(program.messages.shown.empty());
    for (const WorkedExercise::Result& result : worked.results) {
      const auto* field = static_cast<const QWidget*>(result.field);
      const auto* label = qobject_cast<const QLabel*>(field);
      const auto* box = qobject_cast<const QLineEdit*>(field);
      const QString shown = Plain(label ? label->text() : box->text());
      QVERIFY(!shown.isEmpty());
      QVERIFY2(inKey.contains(shown), qPrintable(shown + " is not in the key:\n" + inKey));
      if (item.topic == 1)
        QVERIFY2(!onSheet.contains(shown), qPrintable(shown + " gives the answer away"));
    }
  }
}

void WorksheetTest::everyTopicsOwnExercises_data() { sheetAndKeyHoldWhatTheWindowsCompute_data(); }

// A sheet of every topic, with the topics' own exercises at the hardest level: each worked out by
// its window without a fault, each on the sheet and in the key.
void WorksheetTest::everyTopicsOwnExercises() {
  QFETCH(QChar, zero);
  QFETCH(QChar, separator);
  QFETCH(FormulaDirection, direction);
  const Numerals numerals(separator.unicode(), zero.unicode());
  Program program(numerals, direction);
  WorksheetChoice choice{
      .topics = {}, .count = 12, .level = Level::Hard, .seed = 2024, .copies = 1};
  for (const auto& [id, exercises] : kEveryTopic)
    choice.topics.push_back(
        {u"موضوع", &dynamic_cast<TopicWindow&>(program.registry.form(id)), exercises});
  const PrintedSheet sheet = MakeSheet(choice, numerals, direction);
  QCOMPARE(sheet.copies.front().entries.size(), 12u);
  for (const SheetEntry& entry : sheet.copies.front().entries) {
    QVERIFY(!entry.problem.empty());
    QVERIFY(!entry.answers.empty() || !entry.working.empty());
  }
  QVERIFY(program.messages.shown.empty());
  QTemporaryDir temporary;
  const QString pdf =
      Folder(temporary) + QStringLiteral("/every-topic-%1.pdf").arg(QTest::currentDataTag());
  QVERIFY(WriteSheetPdf(sheet, pdf));
  const QString page = Run(NUMORA_PDFTOTEXT, {pdf, "-"});
  for (int n = 1; n <= 12; ++n)
    QCOMPARE(LinesLike(page, ToQString(ExerciseHeading(n, numerals))), 2);
}

void WorksheetTest::everyTopicOnPaper_data() {
  QTest::addColumn<int>("topic");
  QTest::addColumn<QChar>("zero");
  QTest::addColumn<QChar>("separator");
  QTest::addColumn<FormulaDirection>("direction");
  for (int topic = 0; topic < static_cast<int>(std::size(kEveryTopic)); ++topic) {
    QTest::addRow("%d ar_EG", topic)
        << topic << QChar(u'٠') << QChar(u'٫') << FormulaDirection::RightToLeft;
    QTest::addRow("%d ar_MA", topic)
        << topic << QChar(u'0') << QChar(u',') << FormulaDirection::LeftToRight;
  }
}

// Two copies of twelve exercises of a topic at each level, each key after its copy: every page
// says which sheet and which of its pages it is, no exercise is cut by a page's end (its heading
// and what it asks on one page, and in a key its working's last sentence where the working fits on
// a page), nothing is written outside the margins, and no number on a pupil's figure is one of
// the exercise's answers.
void WorksheetTest::everyTopicOnPaper() {
  QFETCH(int, topic);
  QFETCH(QChar, zero);
  QFETCH(QChar, separator);
  QFETCH(FormulaDirection, direction);
  const Numerals numerals(separator.unicode(), zero.unicode());
  Program program(numerals, direction);
  const auto [id, exercises] = kEveryTopic[topic];
  TopicWindow& window = dynamic_cast<TopicWindow&>(program.registry.form(id));
  QTemporaryDir temporary;
  for (const Level level : {Level::Easy, Level::Medium, Level::Hard}) {
    const std::uint64_t seed = 500 + 17 * static_cast<std::uint64_t>(topic);
    const WorksheetChoice choice{.topics = {{u"موضوع", &window, exercises}},
                                 .count = 12,
                                 .level = level,
                                 .seed = seed,
                                 .copies = 2,
                                 .keys = KeysPlace::AfterEachCopy};
    const PrintedSheet sheet = MakeSheet(choice, numerals, direction);
    const QString pdf = Folder(temporary) +
                        QStringLiteral("/topic-%1-%2.pdf")
                            .arg(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'))
                            .arg(static_cast<int>(level));
    QVERIFY(WriteSheetPdf(sheet, pdf));
    const QStringList pages = Run(NUMORA_PDFTOTEXT, {pdf, "-"}).split(u'\f', Qt::SkipEmptyParts);
    QStringList owners;
    QCOMPARE(RunsOfPages(pages, seed, 2, numerals, &owners), u"sheet1 key1 sheet2 key2"_qs);

    // Each exercise's heading once in each sheet and key, on the page of what it asks or of its
    // working's last line.
    const std::vector<SheetCopy> copies = ComposeSheet({{exercises}, 12, level, seed, 2});
    for (std::size_t c = 0; c < sheet.copies.size(); ++c) {
      const PrintedSheet::Copy& copy = sheet.copies[c];
      const QString number = QString::number(c + 1);
      for (std::size_t k = 0; k < copy.entries.size(); ++k) {
        const SheetEntry& entry = copy.entries[k];
        const QString heading = ToQString(ExerciseHeading(static_cast<int>(k) + 1, numerals));
        // The key's last line where it is a note; a formula's glyphs come out in any order, and a
        // reason's slanted letters one by one.
        const bool sentence =
            !entry.working.empty() && entry.working.back().kind == SolutionLine::Kind::Note;
        for (const auto& [owner, last] :
             {std::pair{u"sheet"_qs + number, ToQString(entry.asked)},
              std::pair{u"key"_qs + number,
                        sentence ? ToQString(entry.working.back().text) : QString()}}) {
          int found = 0;
          for (qsizetype at = 0; at < pages.size(); ++at)
            if (owners[at] == owner && LinesLike(pages[at], heading) == 1) {
              ++found;
              // A sentence beside a figure may break over lines.
              if (!last.isEmpty())
                QVERIFY2(OnThePage(pages[at], last), qPrintable(heading + u": "_qs + last));
            }
          QVERIFY2(found == 1, qPrintable(heading + u" in "_qs + owner));
        }
        // No number on the figure that an answer rounds to.
        const WorkedExercise worked = window.work(copies[c].exercises[k].exercise);
        for (const FigureLabel& label : entry.figure.labels) {
          const std::u16string text = WithoutBidiMarks(label.text);
          const Reading reading = ReadNumber(text, separator.unicode());
          if (!reading.found || !IgnoredText(text, reading).empty()) continue;
          const double shown = reading.value;
          for (const Expected& answer : worked.expected(copies[c].exercises[k].exercise)) {
            const double scale = std::pow(10.0, answer.places);
            QVERIFY2(shown != answer.value && shown != std::round(answer.value * scale) / scale,
                     qPrintable(ToQString(label.text) + u" gives "_qs + heading + u" away"_qs));
          }
        }
      }
    }

    // Every word inside the margins of 20 mm, the page's foot among them.
    const QString boxes = Run(NUMORA_PDFTOTEXT, {"-bbox", pdf, "-"});
    static const QRegularExpression kPage(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
    static const QRegularExpression kWord(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*))re"));
    const QRegularExpressionMatch size = kPage.match(boxes);
    QVERIFY(size.hasMatch());
    const double width = size.captured(1).toDouble(), height = size.captured(2).toDouble();
    constexpr double kMargin = 20 / 25.4 * 72 - 1;  // points, less a point for a glyph's overhang
    int words = 0;
    for (const QRegularExpressionMatch& word : kWord.globalMatch(boxes)) {
      ++words;
      const double left = word.captured(1).toDouble(), top = word.captured(2).toDouble(),
                   right = word.captured(3).toDouble(), bottom = word.captured(4).toDouble();
      QVERIFY2(left >= kMargin && right <= width - kMargin && top >= kMargin &&
                   bottom <= height - kMargin,
               qPrintable(word.captured(5) + u" outside the margins"_qs));
    }
    QVERIFY(words > 100);
  }
}

void WorksheetTest::copiesAndTheirKeys_data() {
  QTest::addColumn<KeysPlace>("keys");
  QTest::addRow("each key after its copy") << KeysPlace::AfterEachCopy;
  QTest::addRow("the keys at the end") << KeysPlace::AtTheEnd;
}

void WorksheetTest::copiesAndTheirKeys() {
  QFETCH(KeysPlace, keys);
  Program program;
  const PrintedSheet sheet = MakeSheet(Mix(program, 3, 3, keys), {}, FormulaDirection::LeftToRight);
  QTemporaryDir temporary;
  const QString pdf =
      Folder(temporary) +
      QStringLiteral("/copies-%1.pdf").arg(keys == KeysPlace::AtTheEnd ? "end" : "after");
  QVERIFY(WriteSheetPdf(sheet, pdf));
  const QStringList pages = Run(NUMORA_PDFTOTEXT, {pdf, "-"}).split(u'\f', Qt::SkipEmptyParts);
  const QString wanted = keys == KeysPlace::AtTheEnd ? u"sheet1 sheet2 sheet3 key1 key2 key3"_qs
                                                     : u"sheet1 key1 sheet2 key2 sheet3 key3"_qs;
  QCOMPARE(RunsOfPages(pages, 4321, 3, {}), wanted);
}

void WorksheetTest::theDialogFromTheMenuAndFromATopicWindow() {
  Program program(Numerals(u'٫', u'٠'));
  auto& menu = program.form<MainMenuWindow>(FormId::Form1);
  // The topics by their captions on the main menu.
  QStringList captions;
  for (const QPushButton* button : menu.findChildren<QPushButton*>()) captions << button->text();
  for (const SheetTopicRow& row : kSheetTopics)
    QVERIFY2(captions.contains(ToQString(row.caption)), qPrintable(ToQString(row.caption)));

  QCOMPARE(menu.worksheet->text(), u"ورقة تمارين…"_qs);
  QVERIFY(menu.file->actions().contains(menu.worksheet));
  menu.worksheet->trigger();
  WorksheetDialog* dialog = program.registry.worksheet();
  QVERIFY(dialog != nullptr && dialog->isVisible());
  // Every control a user reaches (a spin box's own line is the spin box).
  for (const QWidget* control : dialog->findChildren<QWidget*>())
    if (control->focusPolicy() != Qt::NoFocus &&
        !qobject_cast<const QAbstractSpinBox*>(control->parentWidget()))
      QVERIFY2(!control->accessibleName().isEmpty(), control->metaObject()->className());
  for (const auto& [form, box] : dialog->topicBoxes) QVERIFY(!box->isChecked());
  QVERIFY2(dialog->copiesBox->text() == u"١"_qs, qPrintable(dialog->copiesBox->text()));
  if (const QByteArray kept = qgetenv("NUMORA_PRINT_DIR"); !kept.isEmpty())
    dialog->grab().save(QString::fromLocal8Bit(kept) + QStringLiteral("/dialog.png"));
  QVERIFY(!dialog->saveAs(QDir::temp().filePath("none.pdf")));
  QCOMPARE(program.messages.shown.size(), 1u);
  // It grows with the program's zoom, from its own keys too, and comes back.
  const qreal size = dialog->font().pointSizeF();
  QTest::keyClick(dialog->countBox, Qt::Key_Equal, Qt::ControlModifier);
  QVERIFY(program.registry.zoom().percent() > 100);
  QCOMPARE(dialog->font().pointSizeF(), size * program.registry.zoom().factor());
  if (const QByteArray kept = qgetenv("NUMORA_PRINT_DIR"); !kept.isEmpty())
    dialog->grab().save(QString::fromLocal8Bit(kept) + QStringLiteral("/dialog-zoomed.png"));
  program.registry.zoom().reset();
  QCOMPARE(dialog->font().pointSizeF(), size);

  // From the circle window: the circle alone.
  auto& circle = program.form<TopicWindow>(FormId::Form5);
  // The window's own "ورقة تمارين" under its layout asks the program for it.
  QVERIFY(circle.practicePane() != nullptr && circle.practicePane()->worksheetButton() != nullptr);
  circle.practicePane()->worksheetButton()->click();
  for (const auto& [form, box] : dialog->topicBoxes)
    QCOMPARE(box->isChecked(), form == FormId::Form5);
  QTemporaryDir temporary;
  const QString pdf = temporary.filePath("circle.pdf");
  if (circle.exercises() == nullptr) {
    QVERIFY(!dialog->saveAs(pdf));
    QCOMPARE(program.messages.shown.back().text, u"لا تمارين بعد في: الدائرة."_qs);
    QVERIFY(!QFileInfo::exists(pdf));
  } else {
    QVERIFY(dialog->saveAs(pdf));
    const QString text = Plain(Run(NUMORA_PDFTOTEXT, {pdf, "-"}));
    QVERIFY2(text.startsWith(Plain(u"الدائرة"_qs)), qPrintable(text));
  }
}

namespace {

// The dialog opened from the menu with every topic chosen.
WorksheetDialog& EveryTopic(Program& program) {
  program.form<MainMenuWindow>(FormId::Form1).worksheet->trigger();
  WorksheetDialog& dialog = *program.registry.worksheet();
  for (const auto& [form, box] : dialog.topicBoxes) box->setChecked(true);
  return dialog;
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs `handle` on the modal window in front, every 20 ms, until it returns false.
void OnEachModal(const std::function<bool(QWidget&)>& handle) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, timer, [timer, handle] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && !handle(*modal)) timer->deleteLater();
  });
  timer->start(20);
}

}  // namespace

void WorksheetTest::aClassSetStopsAtCancelAndLeavesTheFile_data() {
  QTest::addColumn<bool>("preview");  // or saved as a PDF file
  QTest::addRow("saved") << false;
  QTest::addRow("looked at") << true;
}

// A class set too large to wait for, saved or looked at before printing: its progress dialog comes
// up, "إلغاء" stops it at once, and the file that was there stays, with nothing beside it, and no
// preview opens; what the teacher chose stays chosen.
void WorksheetTest::aClassSetStopsAtCancelAndLeavesTheFile() {
  QFETCH(bool, preview);
  Program program;
  WorksheetDialog& dialog = EveryTopic(program);
  dialog.countBox->setValue(40);
  dialog.copiesBox->setValue(60);
  const int seed = dialog.seedBox->value();
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("class.pdf"));
  QVERIFY(WriteFile(pdf, "the teacher's own file"));

  // "إلغاء" as soon as the progress comes into view, while the exercises are worked out.
  QElapsedTimer sinceStart, sinceCancel;
  QTimer look;
  int doneAtCancel = -1, totalAtCancel = -1;
  QObject::connect(&look, &QTimer::timeout, [&] {
    auto* progress = dialog.findChild<QProgressDialog*>();
    if (progress == nullptr || !progress->isVisible() || sinceCancel.isValid()) return;
    doneAtCancel = progress->value();
    totalAtCancel = progress->maximum();
    sinceCancel.start();
    progress->cancel();
  });
  sinceStart.start();
  look.start(20);
  if (preview)
    QCOMPARE(PreviewedPages([&] { dialog.previewButton->click(); }), -1);
  else
    QVERIFY(!dialog.saveAs(pdf));
  // Cancelled before the work was done; how long the stop took is said, not asserted: a busy
  // machine takes longer.
  QVERIFY2(sinceCancel.isValid(), "no progress dialog came into view");
  QVERIFY2(doneAtCancel < totalAtCancel,
           qPrintable(u"%1 of %2 done"_qs.arg(doneAtCancel).arg(totalAtCancel)));
  qInfo("progress in view after %lld ms; stopped %lld ms after the cancel",
        sinceStart.elapsed() - sinceCancel.elapsed(), sinceCancel.elapsed());
  QCOMPARE(Contents(pdf), QByteArray("the teacher's own file"));
  QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"class.pdf"});
  QVERIFY(program.messages.shown.empty());
  QCOMPARE(dialog.countBox->value(), 40);
  QCOMPARE(dialog.copiesBox->value(), 60);
  QCOMPARE(dialog.seedBox->value(), seed);
}

// A name typed without ".pdf" over a PDF file that is there: the question names the file that
// would be replaced, "no" brings the file dialog back and keeps the file, "yes" replaces it.
void WorksheetTest::aNameWithoutItsSuffixAsksFirst() {
  Program program;
  WorksheetDialog& dialog = EveryTopic(program);
  dialog.countBox->setValue(2);
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
  QVERIFY(WriteFile(pdf, "last week's sheet"));
  for (const bool replace : {false, true}) {
    program.messages.asked.clear();
    program.messages.answer = replace;
    int dialogs = 0;
    OnEachModal([&](QWidget& modal) {
      auto* files = qobject_cast<QFileDialog*>(&modal);
      if (files == nullptr) return true;
      if (++dialogs > 1) {
        files->reject();  // asked again after "no": the teacher gives up
        return false;
      }
      files->setDirectory(folder.path());
      files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
          ->setText(QStringLiteral("sheet"));
      QMetaObject::invokeMethod(files, "accept");  // Save
      return replace ? false : true;
    });
    dialog.saveAsPdf();
    QCOMPARE(program.messages.asked.size(), 1u);
    QVERIFY2(program.messages.asked.front().text.contains(QDir::toNativeSeparators(pdf)),
             qPrintable(program.messages.asked.front().text));
    QCOMPARE(dialogs, replace ? 1 : 2);
    QCOMPARE(Contents(pdf).startsWith("%PDF"), replace);
    QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("sheet"))));
  }
}

// A file system with no room left: the save fails in a sentence, and the file that was there is
// whole. Needs a small file system of its own (root on Linux); skipped elsewhere.
void WorksheetTest::aFullDiskLeavesTheOldFile() {
  const SmallFileSystem folder;
  if (!folder.ready()) QSKIP("no small file system could be mounted here");
  const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
  const QByteArray old(100 * 1024, 'x');
  QVERIFY(WriteFile(pdf, old));
  // The rest of the room taken, but for a little.
  QVERIFY(WriteFile(folder.filePath(QStringLiteral("filler")), QByteArray(140 * 1024, 'y')));
  Program program;
  WorksheetDialog& dialog = EveryTopic(program);
  dialog.countBox->setValue(20);
  QVERIFY(!dialog.saveAs(pdf));
  QCOMPARE(program.messages.shown.size(), 1u);
  QCOMPARE(program.messages.shown.front().text, NotWritten(pdf));
  QVERIFY(Contents(pdf) == old);
  QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
           (QStringList{"filler", "sheet.pdf"}));
}

// "معاينة…": Qt's print preview of the sheet, with as many pages as the printer is given.
void WorksheetTest::thePreviewShowsThePagesPrinted() {
  Program program;
  WorksheetDialog& dialog = EveryTopic(program);
  dialog.countBox->setValue(3);
  dialog.copiesBox->setValue(2);
  const std::optional<PrintedSheet> sheet = dialog.sheet();
  QVERIFY(sheet.has_value());
  QTemporaryDir temporary;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFileName(Folder(temporary) + QStringLiteral("/previewed.pdf"));
  QVERIFY(PrintSheet(*sheet, printer));
  const qsizetype printed = Run(NUMORA_PDFTOTEXT, {printer.outputFileName(), "-"})
                                .split(u'\f', Qt::SkipEmptyParts)
                                .size();
  QVERIFY(printed >= 4);  // two copies, each with its key
  QCOMPARE(PreviewedPages([&] { dialog.previewButton->click(); }), printed);
  QVERIFY(program.messages.shown.empty());
}

// The topics, the number of exercises, the level, the copies and the keys' place as the teacher
// left them at the next start, from the program's settings; the sheet's number stays while the
// program runs. A setting out of its range or unreadable leaves its choice as it is at first.
void WorksheetTest::theChoicesAreKeptForNextTime() {
  QTemporaryDir folder;
  const QString settings = folder.filePath(QStringLiteral("numora.ini"));
  struct Choices {
    QList<FormId> topics;
    int count, copies;
    Level level;
    KeysPlace keys;
  };
  const auto chosen = [](const WorksheetDialog& dialog) {
    Choices choices{{},
                    dialog.countBox->value(),
                    dialog.copiesBox->value(),
                    static_cast<Level>(dialog.levelBox->currentData().toInt()),
                    static_cast<KeysPlace>(dialog.keysBox->currentData().toInt())};
    for (const auto& [form, box] : dialog.topicBoxes)
      if (box->isChecked()) choices.topics << form;
    return choices;
  };
  const auto same = [](const Choices& a, const Choices& b) {
    return a.topics == b.topics && a.count == b.count && a.copies == b.copies &&
           a.level == b.level && a.keys == b.keys;
  };
  Choices first;
  {
    Program program({}, FormulaDirection::LeftToRight, settings);
    program.form<MainMenuWindow>(FormId::Form1).worksheet->trigger();
    first = chosen(*program.registry.worksheet());
  }
  QVERIFY(first.topics.isEmpty());
  for (const Choices& choices :
       {Choices{{FormId::Form5, FormId::Form11}, 7, 3, Level::Hard, KeysPlace::AtTheEnd},
        Choices{{FormId::Form13}, 40, 60, Level::Easy, KeysPlace::AfterEachCopy}}) {
    int seed = 0;
    {
      Program program({}, FormulaDirection::LeftToRight, settings);
      auto& menu = program.form<MainMenuWindow>(FormId::Form1);
      menu.worksheet->trigger();
      WorksheetDialog& dialog = *program.registry.worksheet();
      for (const auto& [form, box] : dialog.topicBoxes)
        box->setChecked(choices.topics.contains(form));
      dialog.countBox->setValue(choices.count);
      dialog.copiesBox->setValue(choices.copies);
      dialog.levelBox->setCurrentIndex(dialog.levelBox->findData(static_cast<int>(choices.level)));
      dialog.keysBox->setCurrentIndex(dialog.keysBox->findData(static_cast<int>(choices.keys)));
      dialog.seedBox->setValue(4321);
      dialog.closeButton->click();
      // Opened again from the menu in the same run: the same sheet's number.
      menu.worksheet->trigger();
      seed = dialog.seedBox->value();
    }
    QCOMPARE(seed, 4321);
    Program again({}, FormulaDirection::LeftToRight, settings);
    again.form<MainMenuWindow>(FormId::Form1).worksheet->trigger();
    QVERIFY2(same(chosen(*again.registry.worksheet()), choices), qPrintable(Contents(settings)));
  }
  QVERIFY(WriteFile(settings,
                    "[worksheet]\ncount=400\ncopies=x\nlevel=sideways\nkeys=7\n"
                    "topics=Form99\n"));
  Program broken({}, FormulaDirection::LeftToRight, settings);
  broken.form<MainMenuWindow>(FormId::Form1).worksheet->trigger();
  QVERIFY(same(chosen(*broken.registry.worksheet()), first));
}

QTEST_MAIN(WorksheetTest)
#include "test_worksheet.moc"
