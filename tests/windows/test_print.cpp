// A topic window's printout, written as a PDF file without a dialog and read back with poppler's
// tools: the text a pupil would read, in its order, the fonts embedded, the figure as lines rather
// than a picture. With NUMORA_PRINT_DIR set to a folder, the files are kept there.
#include <QDir>
#include <QFile>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <iterator>

#include "tests/windows/Harness.h"
#include "ui/platform/Utf16Text.h"
#include "ui/solution/PrintDocument.h"
#include "ui/solution/Printout.h"
#include "ui/solution/TopicWindow.h"

using namespace numora;
using numora::testing::Calculate;
using numora::testing::PreviewedPages;
using numora::testing::Program;
using numora::testing::SmallFileSystem;
using numora::testing::Solve;
using numora::testing::Type;

namespace {

QString Run(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return QStringLiteral("(failed)");
  return QString::fromUtf8(process.readAllStandardOutput());
}

// pdftotext gives a line that mixes directions (an Arabic name, then a formula read from the left)
// in the order its runs stand on the page, brackets of the right-to-left runs mirrored: a line is
// compared as its letters, sorted, shaped forms (NFKC) to letters, without spaces or marks.
QString Letters(QString text) {
  text = WithoutBidiMarks(text.normalized(QString::NormalizationForm_KC))
             .remove(QRegularExpression(QStringLiteral("\\s")))
             .replace(u')', u'(')
             .replace(u'»', u'«');
  std::sort(text.begin(), text.end());
  return text;
}

// The first paragraph the printout does not hold in this order, each on its line or, wrapped, on a
// few; or nothing. One ending in "…" need only be part of its lines.
QString Missing(const QString& printout, const QStringList& paragraphs) {
  QStringList lines = printout.split(QRegularExpression("[\n\f]"));
  lines.removeIf([](const QString& line) { return Letters(line).isEmpty(); });
  qsizetype next = 0;
  for (const QString& paragraph : paragraphs) {
    const bool part = paragraph.endsWith(u'…');
    const QString wanted = Letters(part ? paragraph.chopped(1) : paragraph);
    const auto holds = [&](const QString& letters) {
      if (!part) return letters == wanted;
      QString missing;
      std::set_difference(wanted.begin(), wanted.end(), letters.begin(), letters.end(),
                          std::back_inserter(missing));
      return missing.isEmpty();
    };
    bool found = false;
    for (qsizetype first = next; first < lines.size() && !found; ++first) {
      QString joined;
      for (qsizetype last = first; last < lines.size() && last < first + 4 && !found; ++last) {
        joined += lines[last];
        if (holds(Letters(joined))) {
          found = true;
          next = last + 1;
        }
      }
    }
    if (!found) return paragraph;
  }
  return {};
}

// What a typeset formula writes as text on the page: its numbers, names and signs; the bars,
// radicals and parentheses are lines.
QString Written(const Math& math) {
  if (math.size() == 0) return QString::fromStdU16String(math.text());
  QString text;
  for (const Math& part : math.parts()) text += Written(part);
  return text;
}

}  // namespace

class PrintTest : public QObject {
  Q_OBJECT

 private slots:
  void printsWhatTheWindowShows_data();
  void printsWhatTheWindowShows();
  void theProblemComesFirstAndTheAnswerLast();
  void thePreviewShowsThePagesPrinted_data();
  void thePreviewShowsThePagesPrinted();
  void inEachRegionWithinTheMargins_data();
  void inEachRegionWithinTheMargins();
  void aPrintToAFileThatFailsLeavesTheOldFile();
};

void PrintTest::printsWhatTheWindowShows_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<QStringList>("inputs");  // typed before the click
  QTest::addColumn<bool>("calculate");
  QTest::addColumn<QStringList>("edit");  // typed after it
  // Paragraphs in reading order, beside what the window shows; "…" ends a part of one.
  QTest::addColumn<QStringList>("expected");
  QTest::addRow("quadratic") << FormId::Form13
                             << QStringList{"Text1", "2", "Text2", "-7", "Text3", "3"} << true
                             << QStringList{}
                             << QStringList{u"المعامل A: 2"_qs, u"المعامل B: -7"_qs,
                                            u"الثابت C: 3"_qs, u"المميز = ب² - 4 أ جـ"_qs,
                                            u"= 25"_qs};
  // The problem stated first, its answer last, each under its heading.
  QTest::addRow("sphere") << FormId::Form9 << QStringList{"Text1", "7"} << true << QStringList{}
                          << QStringList{u"المسألة"_qs, u"كرة نصف قطرها 7 سم"_qs, u"المدخلات"_qs,
                                         u"الحل"_qs, u"الجواب"_qs};
  QTest::addRow("circle, no calculation")
      << FormId::Form5 << QStringList{"Text1", "7"} << false << QStringList{}
      << QStringList{u"المساحة = 3.14 نق²"_qs, u"المحيط = 2 × 3.14 نق"_qs};
  // The solution of the click, with the radius it used, under the sentence that says so.
  QTest::addRow("circle, edited")
      << FormId::Form5 << QStringList{"Text1", "7"} << true << QStringList{"Text1", "8"}
      << QStringList{u"تغيرت المدخلات بعد هذا الحساب: اضغط «احسب» مرة أخرى.…"_qs,
                     u"نصف القطر: 7"_qs, u"= 153.86"_qs};
}

void PrintTest::printsWhatTheWindowShows() {
  QFETCH(FormId, id);
  QFETCH(QStringList, inputs);
  QFETCH(bool, calculate);
  QFETCH(QStringList, edit);
  QFETCH(QStringList, expected);
  for (const char* tool : {NUMORA_PDFTOTEXT, NUMORA_PDFFONTS, NUMORA_PDFIMAGES})
    QVERIFY2(QFileInfo(QString::fromUtf8(tool)).isExecutable(),
             "poppler-utils is missing: run tools/setup.sh");

  Program program;
  auto& window = dynamic_cast<TopicWindow&>(program.registry.form(id));
  window.show();
  QVERIFY(Type(window, inputs));
  if (calculate) Calculate(program, id);
  QVERIFY(Type(window, edit));

  // The title, the problem in words, each box read with its text and the solution's lines; or
  // the formulas in words.
  QStringList shown{window.windowTitle()};
  QStringList formulas;  // typeset: a fraction's parts stand on lines of their own
  if (const auto& solution = window.calculation().shownSolution()) {
    QVERIFY(!solution->lines.empty());
    for (const SolutionLine& line : solution->lines)
      if (line.kind == SolutionLine::Kind::Problem && !line.formula)
        shown << QString::fromStdU16String(line.text);
    for (const SolutionInput& input : solution->inputs)
      shown << QString::fromStdU16String(input.name + u": " + input.text);
    for (const SolutionLine& line : solution->lines)
      if (line.formula)
        formulas << Written(*line.formula);
      else if (line.kind != SolutionLine::Kind::Problem)
        shown << QString::fromStdU16String(line.text);
  } else {
    for (const std::u16string& formula : window.calculation().formulasInWords())
      shown << QString::fromStdU16String(formula);
  }

  QTemporaryDir temporary;
  const QByteArray kept = qgetenv("NUMORA_PRINT_DIR");
  const QString folder = kept.isEmpty() ? temporary.path() : QString::fromLocal8Bit(kept);
  QDir().mkpath(folder);
  const QString pdf = folder + '/' + QString(QTest::currentDataTag()).section(',', 0, 0) +
                      (edit.isEmpty() ? "" : "-edited") + ".pdf";
  QVERIFY(WritePdf(window.printed(), pdf));
  QVERIFY(program.messages.shown.empty());

  const QString text = Run(NUMORA_PDFTOTEXT, {pdf, "-"});
  for (const QStringList& paragraphs : {shown, expected}) {
    const QString missing = Missing(text, paragraphs);
    QVERIFY2(missing.isEmpty(), qPrintable(missing + " is not where it belongs in\n" + text));
  }
  // Each typeset row's numbers, names and signs are on the page.
  const QString page = Letters(text);
  for (const QString& formula : formulas) {
    const QString letters = Letters(formula);
    QString missing;
    std::set_difference(letters.begin(), letters.end(), page.begin(), page.end(),
                        std::back_inserter(missing));
    QVERIFY2(missing.isEmpty(), qPrintable(formula + " is not on the page:\n" + text));
  }

  // Every font embedded: the "emb" column of pdffonts, under its header.
  const QStringList fonts = Run(NUMORA_PDFFONTS, {pdf}).split('\n', Qt::SkipEmptyParts);
  QVERIFY2(fonts.size() > 2, qPrintable(fonts.join('\n')));
  const qsizetype emb = fonts[0].indexOf("emb");
  for (const QString& font : fonts.mid(2)) QVERIFY2(font.mid(emb, 3) == "yes", qPrintable(font));
  // The figure is lines and text: no picture anywhere (pdfimages lists two header lines).
  const QStringList images = Run(NUMORA_PDFIMAGES, {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
  QVERIFY2(images.size() == 2, qPrintable(images.join('\n')));
}

void PrintTest::inEachRegionWithinTheMargins_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<QStringList>("inputs");
  QTest::addColumn<bool>("eastern");  // Egypt's digits and formulas read from the right
  for (const bool eastern : {true, false}) {
    const char* region = eastern ? "ar_EG" : "ar_MA";
    QTest::addRow("quadratic-%s", region)
        << FormId::Form13 << QStringList{"Text1", "2", "Text2", "-7", "Text3", "3"} << eastern;
    QTest::addRow("sphere-%s", region) << FormId::Form9 << QStringList{"Text1", "7"} << eastern;
  }
}

// A printout in Egypt's and in Morocco's writing: every word, of the text and of the formulas,
// within the page's margins of 20 mm, however the formulas read.
void PrintTest::inEachRegionWithinTheMargins() {
  QFETCH(FormId, id);
  QFETCH(QStringList, inputs);
  QFETCH(bool, eastern);
  Program program(eastern ? Numerals(u'٫', u'٠') : Numerals(u',', u'0'),
                  eastern ? FormulaDirection::RightToLeft : FormulaDirection::LeftToRight);
  auto& window = dynamic_cast<TopicWindow&>(program.registry.form(id));
  window.show();
  QVERIFY(Type(window, inputs));
  Calculate(program, id);
  QTemporaryDir temporary;
  const QByteArray kept = qgetenv("NUMORA_PRINT_DIR");
  const QString folder = kept.isEmpty() ? temporary.path() : QString::fromLocal8Bit(kept);
  QDir().mkpath(folder);
  const QString pdf = folder + '/' + QString::fromLatin1(QTest::currentDataTag()) + ".pdf";
  QVERIFY(WritePdf(window.printed(), pdf));

  const QString boxes = Run(NUMORA_PDFTOTEXT, {"-bbox", pdf, "-"});
  static const QRegularExpression kWord(QStringLiteral(
      R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" yMax="[\d.]+">([^<]*))re"));
  constexpr double kWidth = 595.28, kMargin = 20 / 25.4 * 72;  // A4, in points
  double rightmost = 0;
  int words = 0;
  for (const QRegularExpressionMatch& word : kWord.globalMatch(boxes)) {
    ++words;
    const double left = word.captured(1).toDouble(), right = word.captured(2).toDouble();
    QVERIFY2(left >= kMargin - 1 && right <= kWidth - kMargin + 1,
             qPrintable(word.captured(3) + u" outside the margins"_qs));
    rightmost = std::max(rightmost, right);
  }
  QVERIFY(words > 20);
  // The page's text reaches the right margin.
  QVERIFY(rightmost > kWidth - kMargin - 3);
}

// Qt's print dialog printing to a file: on a file system with room the PDF takes the old file's
// place whole; on a full one a sentence says the file was not written, and the old file stays as
// it was with nothing left beside it.
void PrintTest::aPrintToAFileThatFailsLeavesTheOldFile() {
  const SmallFileSystem folder;
  if (!folder.ready()) QSKIP("no small file system could be mounted here");
  Program program;
  auto& window = dynamic_cast<TopicWindow&>(program.registry.form(FormId::Form13));
  window.show();
  QVERIFY(Type(window, {"Text1", "2", "Text2", "-7", "Text3", "3"}));
  Calculate(program, FormId::Form13);
  const QString pdf = folder.path() + QStringLiteral("/printed.pdf");
  const auto print = [&] {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return PrintOn(printer, [&](QPagedPaintDevice& device) {
      return PrintCalculation(window.printed(), device);
    });
  };
  const auto write = [](const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
  };
  const auto contents = [](const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  const QByteArray old(100 * 1024, 'x');
  QVERIFY(write(pdf, old));
  QCOMPARE(print(), QString());
  QVERIFY(contents(pdf).startsWith("%PDF-"));
  // The rest of the room taken, but for a little.
  QVERIFY(write(pdf, old));
  QVERIFY(write(folder.path() + QStringLiteral("/filler"), QByteArray(150 * 1024, 'y')));
  QCOMPARE(print(), NotWritten(pdf));
  QVERIFY(contents(pdf) == old);
  QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
           (QStringList{"filler", "printed.pdf"}));
}

void PrintTest::theProblemComesFirstAndTheAnswerLast() {
  Program program;
  QVERIFY(Solve(program, FormId::Form13, {"Text1", "2", "Text2", "-7", "Text3", "3"}));
  auto& window = program.form<TopicWindow>(FormId::Form13);
  const std::vector<SolutionLine>& lines = window.calculation().shownSolution()->lines;
  QVERIFY(lines.size() > 2 && lines.front().formula && lines.back().formula);
  const QString equation = Written(*lines.front().formula);
  const QString answer = Written(*lines.back().formula);
  QCOMPARE(Letters(equation), Letters(u"2س² - 7س + 3 = 0"_qs));
  // ½ is a fraction with a bar: its 1 and 2 are on the page, the bar is a line.
  QCOMPARE(Letters(answer), Letters(u"س = 1 2 أو س = 3"_qs));

  QTemporaryDir temporary;
  const QString pdf = temporary.filePath("quadratic.pdf");
  QVERIFY(WritePdf(window.printed(), pdf));
  QStringList text = Run(NUMORA_PDFTOTEXT, {pdf, "-"}).split(QRegularExpression("[\n\f]"));
  text.removeIf([](const QString& line) { return Letters(line).isEmpty(); });
  const QString page = text.join('\n');
  // The equation right under the date, before what was typed; the steps from the first (a
  // fraction's rows mix on the page with the rows around it); the answer last, after all of them.
  const QStringList order{window.windowTitle(), u"المسألة"_qs, equation,
                          u"المدخلات"_qs,       u"الحل"_qs,    Written(*lines[1].formula),
                          u"الجواب"_qs,         answer};
  const QString missing = Missing(page, order);
  QVERIFY2(missing.isEmpty(), qPrintable(missing + " is not where it belongs in\n" + page));
  // Nothing after the answer: the lines under its heading are the answer's.
  const auto heading = std::find_if(text.rbegin(), text.rend(), [](const QString& line) {
    return Letters(line) == Letters(u"الجواب"_qs);
  });
  QVERIFY(heading != text.rend());
  QCOMPARE(Letters(QStringList(heading.base(), text.end()).join(QString())), Letters(answer));
  // The title, the date, then the problem.
  QVERIFY(text.size() > 4);
  QCOMPARE(Letters(text[0]), Letters(window.windowTitle()));
  QCOMPARE(Letters(text[2]), Letters(u"المسألة"_qs));
  QCOMPARE(Letters(text.mid(3, 2).join(QString())), Letters(equation));
}

void PrintTest::thePreviewShowsThePagesPrinted_data() {
  QTest::addColumn<FormId>("id");
  QTest::addColumn<QStringList>("inputs");  // calculated, where there are any
  QTest::addRow("quadratic") << FormId::Form13
                             << QStringList{"Text1", "2", "Text2", "-7", "Text3", "3"};
  QTest::addRow("sphere, no calculation") << FormId::Form9 << QStringList{};
}

// Ctrl+Alt+P in the window: Qt's print preview, with as many pages as the printer is given.
void PrintTest::thePreviewShowsThePagesPrinted() {
  QFETCH(FormId, id);
  QFETCH(QStringList, inputs);
  Program program;
  auto& window = program.form<TopicWindow>(id);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  if (!inputs.isEmpty()) QVERIFY(Solve(program, id, inputs));
  QTemporaryDir temporary;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFileName(temporary.filePath("printout.pdf"));
  QVERIFY(PrintCalculation(window.printed(), printer));
  const qsizetype printed = Run(NUMORA_PDFTOTEXT, {printer.outputFileName(), "-"})
                                .split(u'\f', Qt::SkipEmptyParts)
                                .size();
  const int previewed = PreviewedPages(
      [&] { QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier | Qt::AltModifier); });
  QCOMPARE(previewed, printed);
  QVERIFY(program.messages.shown.empty());
}

QTEST_MAIN(PrintTest)
#include "test_print.moc"
