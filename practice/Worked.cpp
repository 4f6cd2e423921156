#include "practice/Worked.h"

#include <algorithm>

#include "numeric/Exact.h"

namespace numora {
namespace {

// A view that types the exercise into the boxes as they are read and keeps what the window would
// show.
class ExerciseView final : public ResultView {
 public:
  ExerciseView(const Exercise& exercise, const ResultView& window, Notation notation,
               WorkedExercise& worked)
      : exercise_(exercise), window_(window), notation_(notation), worked_(worked) {}

  std::u16string text(FieldId box) const override {
    auto typed = std::find_if(worked_.boxes.begin(), worked_.boxes.end(),
                              [box](const WorkedExercise::Box& b) { return b.field == box; });
    if (typed != worked_.boxes.end()) return typed->text;
    const std::size_t next = worked_.boxes.size();
    std::u16string number = next < exercise_.inputs.size()
                                ? NumberToText(exercise_.inputs[next].second, notation_)
                                : std::u16string();
    worked_.boxes.push_back({box, number});
    return number;
  }
  std::u16string name(FieldId box) const override { return window_.name(box); }
  void setText(FieldId result, std::u16string_view text) override {
    auto written = std::find_if(worked_.results.begin(), worked_.results.end(),
                                [result](const auto& r) { return r.field == result; });
    if (written == worked_.results.end())
      worked_.results.push_back({result, nullptr, std::u16string(text)});
    else
      written->text = text;
  }
  void setWorking(FieldId, std::u16string_view) override {}
  void setNote(FieldId, std::u16string_view) override {}
  void setStale(FieldId, std::u16string_view) override {}
  void showFault(const Fault& fault, std::u16string_view) override { worked_.fault = fault; }
  void showFailure(std::u16string_view what) override { worked_.failure = what; }
  void showMessage(std::u16string_view text) override { worked_.message = text; }
  void showSolution(const Solution& solution) override { worked_.solution = solution; }
  void setSolutionStale(std::u16string_view) override {}
  void announce(std::u16string_view sentence) override { worked_.announcement = sentence; }

 private:
  const Exercise& exercise_;
  const ResultView& window_;
  Notation notation_;
  WorkedExercise& worked_;
};

}  // namespace

const WorkedExercise::Result* WorkedExercise::resultOf(const Formula& formula) const {
  auto found = std::find_if(results.begin(), results.end(), [&formula](const Result& result) {
    return result.formula == &formula && !result.text.empty();
  });
  return found != results.end() ? &*found : nullptr;
}

std::vector<Expected> WorkedExercise::expected(const Exercise& exercise) const {
  std::vector<Expected> answers;
  for (const Formula* formula : exercise.asked) {
    const double* value = solution.values.result(*formula);
    if (resultOf(*formula) == nullptr || value == nullptr) continue;
    answers.push_back({.formula = formula,
                       .value = *value,
                       .exact = ExactValue(formula->expression, solution.values),
                       .places = exercise.places});
  }
  return answers;
}

WorkedExercise Work(const Exercise& exercise, const Calculation& window,
                    const ResultView& windowView,
                    const std::function<void(Calculation&)>& handler) {
  WorkedExercise worked;
  ExerciseView view(exercise, windowView, window.notation(), worked);
  Calculation calculation(window, view);
  calculation.run([&] { handler(calculation); });
  for (WorkedExercise::Result& result : worked.results)
    result.formula = calculation.formulaOf(result.field);
  return worked;
}

}  // namespace numora
