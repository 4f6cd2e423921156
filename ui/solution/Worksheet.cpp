#include "ui/solution/Worksheet.h"

#include "ui/platform/Utf16Text.h"
#include "ui/solution/PrintDocument.h"
#include "ui/solution/TopicWindow.h"

namespace numora {
namespace {

// A figure's room beside an exercise, in centimetres; a figure of many labels (three thermometers
// with their scales) has a wider room of its own under the exercise's words, where its labels
// stand beside their points.
constexpr qreal kFigureWidth = 6, kFigureHeight = 4;
constexpr qreal kWideFigureWidth = 10, kWideFigureHeight = 4.5;
constexpr std::size_t kLabelsBeside = 8;

PrintDocument::Footer FooterOf(std::u16string mark, Notation notation) {
  return [mark = std::move(mark), notation](int page, int pages) {
    return ToQString(PageFooter(page, pages, mark, notation));
  };
}

// Each exercise told to the progress as it is printed; false when the progress stops it.
bool PrintCopy(PrintDocument& page, const PrintedSheet& sheet, const PrintedSheet::Copy& copy,
               const std::function<bool()>& printed) {
  page.newPage();
  page.footer(FooterOf(copy.mark, sheet.notation));
  page.title(ToQString(sheet.title));
  page.line(ToQString(copy.details));
  page.line(ToQString(kNameLine), true);
  page.line(ToQString(MarkLine(static_cast<int>(copy.entries.size()), sheet.notation)), true);
  if (!copy.rounding.empty()) page.line(ToQString(copy.rounding));
  int number = 0;
  for (const SheetEntry& entry : copy.entries) {
    page.keepTogether();
    const bool wide = entry.figure.labels.size() > kLabelsBeside;
    if (!entry.figure.paths.empty() && !wide)
      page.beside(entry.figure, sheet.direction, kFigureWidth, kFigureHeight);
    page.heading(ToQString(ExerciseHeading(++number, sheet.notation)));
    page.solution(entry.problem, sheet.direction);
    page.line(ToQString(entry.asked));
    if (!entry.figure.paths.empty() && wide)
      page.figure(entry.figure, sheet.direction, kWideFigureWidth, kWideFigureHeight);
    page.rules(AnswerLines(entry));
    page.endBeside();
    page.endTogether();
    if (!printed()) return false;
  }
  return true;
}

bool PrintKey(PrintDocument& page, const PrintedSheet& sheet, const PrintedSheet::Copy& copy,
              const std::function<bool()>& printed) {
  page.newPage();
  page.footer(FooterOf(u"مفتاح الإجابات: " + copy.mark, sheet.notation));
  page.title(ToQString(copy.keyTitle));
  page.line(ToQString(sheet.title + u"، " + copy.details));
  int number = 0;
  for (const SheetEntry& entry : copy.entries) {
    page.keepTogether();
    page.heading(ToQString(ExerciseHeading(++number, sheet.notation)));
    page.solution(entry.problem, sheet.direction);
    // An equation without a real root has no answer: its working says why.
    if (!entry.answers.empty()) {
      page.heading(QStringLiteral(u"الجواب"));
      page.solution(entry.answers, sheet.direction);
    }
    if (!entry.rounded.empty()) page.line(ToQString(entry.rounded), true);
    page.heading(QStringLiteral(u"الحل"));
    page.solution(entry.working, sheet.direction);
    page.endTogether();
    if (!printed()) return false;
  }
  return true;
}

}  // namespace

PrintedSheet MakeSheet(const WorksheetChoice& choice, Notation notation,
                       FormulaDirection direction) {
  return *MakeSheet(choice, notation, direction, Progress{});
}

std::optional<PrintedSheet> MakeSheet(const WorksheetChoice& choice, Notation notation,
                                      FormulaDirection direction, const Progress& progress) {
  SheetRequest request{.topics = {},
                       .count = choice.count,
                       .level = choice.level,
                       .seed = choice.seed,
                       .copies = choice.copies};
  std::vector<std::u16string> captions;
  for (const SheetTopic& topic : choice.topics) {
    request.topics.push_back(topic.exercises);
    captions.push_back(topic.caption);
  }
  PrintedSheet sheet{.title = SheetTitle(captions),
                     .notation = notation,
                     .direction = direction,
                     .keys = choice.keys,
                     .copies = {}};
  const std::vector<SheetCopy> copies = ComposeSheet(request);
  int total = 0, done = 0;
  for (const SheetCopy& copy : copies) total += static_cast<int>(copy.exercises.size());
  for (std::size_t at = 0; at < copies.size(); ++at) {
    const int copy = static_cast<int>(at) + 1;
    PrintedSheet::Copy printed{
        .details = SheetDetails(choice.level, copies[at].seed, copy, choice.copies, notation),
        .mark = CopyMark(copies[at].seed, copy, choice.copies, notation),
        .rounding = CommonRounding(copies[at].exercises),
        .keyTitle = KeyTitle(copy, choice.copies, notation),
        .entries = {}};
    for (const SheetExercise& item : copies[at].exercises) {
      TopicWindow& window = *choice.topics[item.topic].window;
      const WorkedExercise worked = window.work(item.exercise);
      SheetEntry entry = EntryOf(item.exercise, worked, window.figureOf(worked.solution), notation);
      if (!printed.rounding.empty()) entry.asked = AskedSentence(item.exercise, false, notation);
      printed.entries.push_back(std::move(entry));
      if (progress && !progress(++done, total)) return std::nullopt;
    }
    sheet.copies.push_back(std::move(printed));
  }
  return sheet;
}

bool PrintSheet(const PrintedSheet& sheet, QPagedPaintDevice& device, const Progress& progress) {
  int total = 0, done = 0;
  for (const PrintedSheet::Copy& copy : sheet.copies)
    total += 2 * static_cast<int>(copy.entries.size());
  const std::function<bool()> printed = [&] { return !progress || progress(++done, total); };
  PrintDocument page(device);
  bool going = true;
  for (const PrintedSheet::Copy& copy : sheet.copies) {
    going = going && PrintCopy(page, sheet, copy, printed);
    if (sheet.keys == KeysPlace::AfterEachCopy)
      going = going && PrintKey(page, sheet, copy, printed);
  }
  if (sheet.keys == KeysPlace::AtTheEnd)
    for (const PrintedSheet::Copy& copy : sheet.copies)
      going = going && PrintKey(page, sheet, copy, printed);
  if (!going) {
    page.abandon();
    return false;
  }
  return page.paint();
}

bool WriteSheetPdf(const PrintedSheet& sheet, const QString& path, const Progress& progress) {
  return WritePdfFile(path, ToQString(sheet.title), [&](QPagedPaintDevice& device) {
    return PrintSheet(sheet, device, progress);
  });
}

}  // namespace numora
