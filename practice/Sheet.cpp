#include "practice/Sheet.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <string>

#include "numeric/Bidi.h"
#include "practice/Answer.h"

namespace numora {
namespace {

// A topic whose generator keeps giving exercises already on the copy has run out of new ones at
// this level: the copy then takes one again rather than loop.
constexpr int kTriesForANewExercise = 24;

std::uint64_t SeedFrom(Random& random) {
  return kLowestSeed + random.next() % (kHighestSeed - kLowestSeed + 1);
}

bool SameExercise(const SheetExercise& a, std::size_t topic, const Exercise& b) {
  return a.topic == topic && a.exercise.inputs == b.inputs && a.exercise.asked == b.asked;
}

SheetCopy ComposeCopy(const SheetRequest& request, std::uint64_t seed) {
  SheetCopy copy{.seed = seed, .exercises = {}};
  const std::size_t topics = request.topics.size();
  if (topics == 0 || request.count <= 0) return copy;
  Random random(seed);
  // Every topic as often as the others, the first ones once more where the count does not divide,
  // which of them drawn; then the order shuffled.
  std::vector<std::size_t> order(topics);
  for (std::size_t i = 0; i < topics; ++i) order[i] = i;
  for (std::size_t i = topics - 1; i > 0; --i)
    std::swap(order[i], order[static_cast<std::size_t>(random.between(0, static_cast<int>(i)))]);
  std::vector<std::size_t> numbers;
  for (int n = 0; n < request.count; ++n) numbers.push_back(order[n % topics]);
  for (std::size_t i = numbers.size() - 1; i > 0; --i)
    std::swap(numbers[i],
              numbers[static_cast<std::size_t>(random.between(0, static_cast<int>(i)))]);

  for (const std::size_t topic : numbers) {
    Exercise exercise = request.topics[topic](request.level, random);
    for (int tried = 1; tried < kTriesForANewExercise &&
                        std::any_of(copy.exercises.begin(), copy.exercises.end(),
                                    [&](const SheetExercise& earlier) {
                                      return SameExercise(earlier, topic, exercise);
                                    });
         ++tried)
      exercise = request.topics[topic](request.level, random);
    copy.exercises.push_back({topic, std::move(exercise)});
  }
  return copy;
}

std::u16string Number(std::uint64_t number, Notation notation) {
  const std::string ascii = std::to_string(number);
  return notation.digits(std::u16string(ascii.begin(), ascii.end()));
}

}  // namespace

std::vector<std::uint64_t> CopySeeds(std::uint64_t seed, int copies) {
  std::vector<std::uint64_t> seeds;
  if (copies <= 0) return seeds;
  seeds.push_back(seed);
  Random random(seed);
  while (static_cast<int>(seeds.size()) < copies) {
    const std::uint64_t next = SeedFrom(random);
    if (std::find(seeds.begin(), seeds.end(), next) == seeds.end()) seeds.push_back(next);
  }
  return seeds;
}

std::vector<SheetCopy> ComposeSheet(const SheetRequest& request) {
  std::vector<SheetCopy> copies;
  for (const std::uint64_t seed : CopySeeds(request.seed, request.copies))
    copies.push_back(ComposeCopy(request, seed));
  return copies;
}

std::u16string SheetTitle(const std::vector<std::u16string>& captions) {
  return captions.size() == 1 ? captions.front() : std::u16string(u"تمارين متنوعة");
}

std::u16string SheetDetails(Level level, std::uint64_t seed, int copy, int copies,
                            Notation notation) {
  std::u16string details =
      u"المستوى: " + std::u16string(LevelName(level)) + u"، رقم الورقة: " + Number(seed, notation);
  if (copies > 1)
    details += u"، النسخة " + Number(static_cast<std::uint64_t>(copy), notation) + u" من " +
               Number(static_cast<std::uint64_t>(copies), notation);
  return details;
}

std::u16string MarkLine(int exercises, Notation notation) {
  return u"التاريخ: ________________   الدرجة: ________ من " +
         Number(static_cast<std::uint64_t>(std::max(exercises, 0)), notation);
}

std::u16string PageFooter(int page, int pages, std::u16string_view sheet, Notation notation) {
  std::u16string footer = u"صفحة " + Number(static_cast<std::uint64_t>(page), notation) + u" من " +
                          Number(static_cast<std::uint64_t>(pages), notation);
  if (!sheet.empty()) footer += u" — " + std::u16string(sheet);
  return footer;
}

std::u16string CopyMark(std::uint64_t seed, int copy, int copies, Notation notation) {
  std::u16string mark;
  if (copies > 1)
    mark = u"النسخة " + Number(static_cast<std::uint64_t>(copy), notation) + u" من " +
           Number(static_cast<std::uint64_t>(copies), notation) + u"، ";
  return mark + u"رقم الورقة " + Number(seed, notation);
}

std::u16string KeyTitle(int copy, int copies, Notation notation) {
  std::u16string title = u"مفتاح الإجابات";
  if (copies > 1) title += u": النسخة " + Number(static_cast<std::uint64_t>(copy), notation);
  return title;
}

std::u16string ExerciseHeading(int number, Notation notation) {
  return u"التمرين " + Number(static_cast<std::uint64_t>(number), notation);
}

std::u16string AskedSentence(const Exercise& exercise, bool withRounding,
                             const Notation& notation) {
  std::vector<std::u16string_view> names;
  bool unknown = false, conversion = false;
  for (const Formula* formula : exercise.asked) {
    // An equation's unknown is found, a temperature converted; a measure is computed.
    unknown = unknown || formula->name == u"س";
    conversion = conversion || !formula->heading.empty();
    if (std::find(names.begin(), names.end(), formula->name) == names.end())
      names.push_back(formula->name);
  }
  std::u16string sentence = unknown      ? u"أوجد قيمة "
                            : conversion ? u"أوجد درجة الحرارة بمقياس "
                                         : u"احسب ";
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) sentence += i + 1 == names.size() ? u" و" : u"، ";
    sentence += notation.letter(names[i]);  // the unknown's letter: "س" or "x"
  }
  sentence += u".";
  if (withRounding) sentence += u" " + RoundingInstruction(exercise.places) + u".";
  return sentence;
}

std::u16string CommonRounding(const std::vector<SheetExercise>& exercises) {
  if (exercises.size() < 2) return {};
  const int places = exercises.front().exercise.places;
  for (const SheetExercise& item : exercises)
    if (item.exercise.places != places) return {};
  return u"في كل التمارين: " + RoundingInstruction(places) + u".";
}

std::u16string RoundedAnswers(const std::vector<Expected>& answers, Notation notation) {
  std::u16string rounded;
  for (const Expected& answer : answers) {
    const double scale = std::pow(10.0, answer.places);
    const double near = std::round(answer.value * scale) / scale;
    if (!std::isfinite(near)) continue;
    // A decimal that ends within the places is written the same rounded (3.14 × 20 computes as
    // 62.800000000000004, which the window writes 62.8).
    const std::u16string text = NumberToText(near, notation);
    if (text == NumberToText(answer.value, notation)) continue;
    if (!rounded.empty()) rounded += u"، ";
    rounded +=
        answer.formula->name + u" ≈ " + IsolatedMeasure(text, answer.formula->unit, notation);
  }
  return rounded;
}

SheetEntry EntryOf(const Exercise& exercise, const WorkedExercise& worked,
                   const Figure& solutionFigure, Notation notation) {
  using Kind = SolutionLine::Kind;
  std::vector<std::u16string> given, answers;
  for (const WorkedExercise::Box& box : worked.boxes) given.push_back(box.text);
  const std::vector<Expected> expected = worked.expected(exercise);
  for (const Expected& answer : expected) {
    const double scale = std::pow(10.0, answer.places);
    for (const double value : {answer.value, std::round(answer.value * scale) / scale})
      if (std::isfinite(value)) answers.push_back(WithoutBidiMarks(NumberToText(value, notation)));
  }
  return {.problem = LinesOf(worked.solution, {Kind::Problem}),
          .asked = AskedSentence(exercise, true, notation),
          .figure = FigureToSet(solutionFigure, given, answers),
          .answers = LinesOf(worked.solution, {Kind::Answer}),
          .rounded = RoundedAnswers(expected, notation),
          .working = LinesOf(worked.solution,
                             {Kind::Step, Kind::NextStep, Kind::Exact, Kind::Reason, Kind::Note})};
}

int AnswerLines(const SheetEntry& entry) {
  constexpr int kFewest = 3, kMost = 9;
  return std::clamp(static_cast<int>(entry.working.size()) / 2 + 1, kFewest, kMost);
}

Figure FigureToSet(const Figure& figure, const std::vector<std::u16string>& given,
                   const std::vector<std::u16string>& answers) {
  if (!figure.cannotDraw.empty() || figure.paths.empty()) return {};
  const auto among = [](const std::vector<std::u16string>& numbers, const std::u16string& text) {
    return std::any_of(numbers.begin(), numbers.end(), [&text](const std::u16string& number) {
      return !number.empty() && WithoutBidiMarks(number) == text;
    });
  };
  const auto hasDigits = [](const std::u16string& text) {
    return std::any_of(text.begin(), text.end(), [](char16_t c) {
      return (c >= u'0' && c <= u'9') || (c >= u'٠' && c <= u'٩') || (c >= u'۰' && c <= u'۹');
    });
  };
  Figure set = figure;
  bool givenLeft = false;
  std::erase_if(set.labels, [&](const FigureLabel& label) {
    const std::u16string text(NumberBeforeUnit(WithoutBidiMarks(label.text)));
    // Words (a scale's name, "تجمد الماء") and a scale's numbers stay; a measure stays where it is
    // a number the pupil is given, and never where it is also an answer (a root of 1 beside a
    // coefficient of 1).
    if (!hasDigits(text) || label.kind == FigureLabelKind::Tick) return among(answers, text);
    const bool keep = among(given, text) && !among(answers, text);
    givenLeft = givenLeft || keep;
    return !keep;
  });
  // A figure with no given number left on it (a parabola's roots, a power on a number line) would
  // only show the answer by its shape against its scale: it is left out.
  if (!givenLeft) return {};
  // The description speaks of the results; the figure is named only.
  set.description = set.name;
  set.caption.clear();
  return set;
}

}  // namespace numora
