#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "numeric/Notation.h"
#include "numeric/Typeset.h"
#include "practice/Exercise.h"
#include "practice/Sheet.h"
#include "ui/solution/PrintDocument.h"

namespace numora {

class TopicWindow;

// A topic of a worksheet: its caption on the main menu, the window that works its exercises out
// with its own formulas, and the exercises it sets.
struct SheetTopic {
  std::u16string caption;
  TopicWindow* window;
  ExerciseOf exercises;
};

struct WorksheetChoice {
  std::vector<SheetTopic> topics;  // one, or a mix
  int count = 10;
  Level level = Level::Easy;
  std::uint64_t seed = kLowestSeed;
  int copies = 1;
  KeysPlace keys = KeysPlace::AfterEachCopy;
};

// What a worksheet prints: each copy's exercises, and the answers and working of its key, as
// their windows computed them.
struct PrintedSheet {
  std::u16string title;  // the topic, or "تمارين متنوعة"
  Notation notation;
  FormulaDirection direction = FormulaDirection::LeftToRight;
  KeysPlace keys = KeysPlace::AfterEachCopy;
  struct Copy {
    std::u16string details;   // the level, the copy's seed, which copy
    std::u16string mark;      // which copy, its own number: the foot of each of its pages
    std::u16string rounding;  // the rounding of every exercise, where it is the same for all
    std::u16string keyTitle;
    std::vector<SheetEntry> entries;
  };
  std::vector<Copy> copies;
};

// The sheet of a choice: its copies composed from the seed, each exercise worked out by its
// window, unseen.
PrintedSheet MakeSheet(const WorksheetChoice& choice, Notation notation,
                       FormulaDirection direction);
// The same, told after each exercise worked out (of every copy's); none when it stopped.
std::optional<PrintedSheet> MakeSheet(const WorksheetChoice& choice, Notation notation,
                                      FormulaDirection direction, const Progress& progress);

// The sheet on paper, right to left: on each copy the title, the level and the copy's number,
// lines for the pupil's name, class, the date and the mark, the rounding where it is the same for
// all, then the numbered exercises, as many on a page as fit whole, each its problem, what to
// compute, ruled lines to answer on and beside them its figure with nothing on it that is asked;
// the key on pages of its own, after its copy or after every copy: for each exercise the problem,
// the answers exact and decimal, and the working set as the panel sets it. Every page says at its
// foot its number of its copy's pages and which copy it is.
//
// Told after each exercise printed, on the sheets and in the keys (twice each exercise of every
// copy); false when the device could not be painted on or the progress stopped it.
bool PrintSheet(const PrintedSheet& sheet, QPagedPaintDevice& device,
                const Progress& progress = {});

// The sheet as a PDF file; false, and the file that was there as it was, when it could not be
// written or the progress stopped it.
bool WriteSheetPdf(const PrintedSheet& sheet, const QString& path, const Progress& progress = {});

}  // namespace numora
