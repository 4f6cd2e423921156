#include "ui/solution/Worksheet.h"

#include "ui/platform/Utf16Text.h"
#include "ui/solution/PrintDocument.h"
#include "ui/solution/TopicWindow.h"

namespace numora {
namespace {

// Room on paper, in centimetres: a figure beside an exercise is smaller than a printout's, and
// under each exercise the pupil has a few lines to write the working and the answer.
constexpr qreal kFigureWidth = 9, kFigureHeight = 5;
constexpr qreal kRoomToAnswer = 3.5;

// Each exercise told to the progress as it is printed; false when the progress stops it.
bool PrintCopy(PrintDocument& page, const PrintedSheet& sheet, const PrintedSheet::Copy& copy,
               const std::function<bool()>& printed) {
  page.newPage();
  page.title(ToQString(sheet.title));
  page.line(ToQString(copy.details));
  page.line(ToQString(kNameLine), true);
  int number = 0;
  for (const SheetEntry& entry : copy.entries) {
    page.keepTogether();
    page.heading(ToQString(ExerciseHeading(++number, sheet.numerals)));
    page.solution(entry.problem, sheet.direction);
    page.line(ToQString(entry.asked));
    if (!entry.figure.paths.empty())
      page.figure(entry.figure, sheet.direction, kFigureWidth, kFigureHeight);
    page.space(kRoomToAnswer);
    page.endTogether();
    if (!printed()) return false;
  }
  return true;
}

bool PrintKey(PrintDocument& page, const PrintedSheet& sheet, const PrintedSheet::Copy& copy,
              const std::function<bool()>& printed) {
  page.newPage();
  page.title(ToQString(copy.keyTitle));
  page.line(ToQString(sheet.title + u"، " + copy.details));
  int number = 0;
  for (const SheetEntry& entry : copy.entries) {
    page.keepTogether();
    page.heading(ToQString(ExerciseHeading(++number, sheet.numerals)));
    page.solution(entry.problem, sheet.direction);
    page.heading(QStringLiteral(u"الجواب"));
    page.solution(entry.answers, sheet.direction);
    if (!entry.rounded.empty()) page.line(ToQString(entry.rounded), true);
    page.heading(QStringLiteral(u"الحل"));
    page.solution(entry.working, sheet.direction);
    page.endTogether();
    if (!printed()) return false;
  }
  return true;
}

}  // namespace

PrintedSheet MakeSheet(const WorksheetChoice& choice, Numerals numerals,
                       FormulaDirection direction) {
  return *MakeSheet(choice, numerals, direction, Progress{});
}

std::optional<PrintedSheet> MakeSheet(const WorksheetChoice& choice, Numerals numerals,
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
                     .numerals = numerals,
                     .direction = direction,
                     .keys = choice.keys,
                     .copies = {}};
  const std::vector<SheetCopy> copies = ComposeSheet(request);
  int total = 0, done = 0;
  for (const SheetCopy& copy : copies) total += static_cast<int>(copy.exercises.size());
  for (std::size_t at = 0; at < copies.size(); ++at) {
    const int copy = static_cast<int>(at) + 1;
    PrintedSheet::Copy printed{
        .details = SheetDetails(choice.level, copies[at].seed, copy, choice.copies, numerals),
        .keyTitle = KeyTitle(copy, choice.copies, numerals),
        .entries = {}};
    for (const SheetExercise& item : copies[at].exercises) {
      TopicWindow& window = *choice.topics[item.topic].window;
      const WorkedExercise worked = window.work(item.exercise);
      printed.entries.push_back(
          EntryOf(item.exercise, worked, window.figureOf(worked.solution), numerals));
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
