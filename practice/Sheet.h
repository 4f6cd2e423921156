#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/Figure.h"
#include "numeric/Notation.h"
#include "numeric/NumberWriting.h"
#include "practice/Exercise.h"
#include "practice/Worked.h"
#include "solution/Solution.h"

namespace numora {

// A worksheet of exercises: from its number (its seed) the same topics in the same order with the
// same numbers in them, on every machine, so that a teacher can print a sheet again from the
// number written on it.

// The sheets' numbers a teacher types and reads on a sheet: six digits at most.
inline constexpr std::uint64_t kLowestSeed = 1, kHighestSeed = 999999;

// Where the answer keys go in a sheet of several copies.
enum class KeysPlace : std::uint8_t {
  AfterEachCopy,  // each copy's key follows it, so that a copy and its key can be handed out
  AtTheEnd,       // every copy first, then every key, so that the keys can be kept back
};

struct SheetRequest {
  // The topics to mix, each its exercises; one for a sheet of one topic.
  std::vector<ExerciseOf> topics;
  int count = 10;  // exercises on each copy
  Level level = Level::Easy;
  std::uint64_t seed = kLowestSeed;
  int copies = 1;  // one for each pupil, each with exercises of its own
};

struct SheetExercise {
  std::size_t topic;  // its place in the request's topics
  Exercise exercise;
};
struct SheetCopy {
  std::uint64_t seed;                    // the copy's own: a sheet of one copy from it is this copy
  std::vector<SheetExercise> exercises;  // in the order of their numbers, from 1
};

// The seed of each copy of a sheet: the first copy's is the sheet's, so that a sheet of one copy
// and the first copy of many are the same; the others come from it and differ from each other.
std::vector<std::uint64_t> CopySeeds(std::uint64_t seed, int copies);

// The copies of a sheet. Each copy holds every topic of a mix as often as the others, one time
// more or less, in an order of its seed; no exercise comes twice on a copy where its topic has
// others to give.
std::vector<SheetCopy> ComposeSheet(const SheetRequest& request);

// The words of a sheet, in the region's digits.
// The sheet's title: the topic's caption, or "تمارين متنوعة" for a mix.
std::u16string SheetTitle(const std::vector<std::u16string>& captions);
// "المستوى: سهل، رقم الورقة: 1234", and "، النسخة 2 من 3" where there are several copies. The
// number is the copy's own: a sheet of one copy from it is that copy again.
std::u16string SheetDetails(Level level, std::uint64_t seed, int copy, int copies,
                            Notation notation);
// The lines a pupil fills in, long enough for a full name, and the mark out of the exercises.
inline constexpr std::u16string_view kNameLine =
    u"الاسم: ________________________________   الفصل: ______________";
std::u16string MarkLine(int exercises, Notation notation);
// The foot of every page: "صفحة 1 من 2" and which sheet the page belongs to.
std::u16string PageFooter(int page, int pages, std::u16string_view sheet, Notation notation);
// The sheet a page belongs to, for its foot: "النسخة 2 من 3، رقم الورقة 758368", the key's with
// "مفتاح الإجابات: ".
std::u16string CopyMark(std::uint64_t seed, int copy, int copies, Notation notation);
// "مفتاح الإجابات"; with several copies, of which copy.
std::u16string KeyTitle(int copy, int copies, Notation notation);
// "التمرين 3".
std::u16string ExerciseHeading(int number, Notation notation);
// What the pupil computes, as a book asks it, each name once (the two roots of an equation are
// both "س"): "احسب المساحة والمحيط."، "أوجد قيمة س."، "أوجد درجة الحرارة بمقياس كلفن."; and how to
// round it, unless the sheet says it once for all its exercises.
std::u16string AskedSentence(const Exercise& exercise, bool withRounding = true,
                             const Notation& notation = {});
// "في كل التمارين: قرّب إلى أقرب جزء من مئة." where every exercise of a copy rounds alike; empty
// where they differ.
std::u16string CommonRounding(const std::vector<SheetExercise>& exercises);

// The answers rounded as the exercise asks, for the key: "طول الوتر ≈ 1.41، ..."; empty where
// every answer ends within the places asked.
std::u16string RoundedAnswers(const std::vector<Expected>& answers, Notation notation);

// An exercise as a sheet and its key print it, from the work of its window.
struct SheetEntry {
  std::vector<SolutionLine> problem;  // the problem in the window's words and numbers
  std::u16string asked;
  // The window's figure with nothing on it that the pupil is asked to find: see FigureToSet.
  Figure figure;
  std::vector<SolutionLine> answers;  // each result exact and decimal
  std::u16string rounded;             // the answers rounded as asked, where that changes them
  std::vector<SolutionLine> working;  // the steps, exact values, reasons and notes
};
SheetEntry EntryOf(const Exercise& exercise, const WorkedExercise& worked,
                   const Figure& solutionFigure, Notation notation);
// The ruled lines a pupil gets to answer an exercise on: about one for every two rows of its
// working, so that a quadratic equation gets more room than a circle's area.
int AnswerLines(const SheetEntry& entry);

// The figure of a solution as a sheet may show it before the exercise is done: its words and its
// scales stay, and of its numbers only those the pupil is given (a length, a coefficient), never
// one that is also an answer; a number the window computed and a caption go. A figure that says
// why it is not drawn, and one with no given number left on it, is left out.
Figure FigureToSet(const Figure& figure, const std::vector<std::u16string>& given,
                   const std::vector<std::u16string>& answers);

}  // namespace numora
