#include "numeric/Problem.h"

#include "numeric/Figure.h"

namespace numora {

std::optional<Problem> Stated(std::u16string_view sentence, const Values& values, Notation notation,
                              Unit unit) {
  Problem problem;
  while (!sentence.empty()) {
    const std::size_t open = sentence.find(u'{');
    const std::size_t close = sentence.find(u'}', open);
    if (open == std::u16string_view::npos || close == std::u16string_view::npos) {
      problem.text += sentence;
      break;
    }
    const double* number = values.find(sentence.substr(open + 1, close - open - 1));
    if (number == nullptr) return std::nullopt;
    problem.text += sentence.substr(0, open);
    problem.text += IsolatedMeasure(NumberToText(*number, notation), unit, notation);
    sentence.remove_prefix(close + 1);
  }
  return problem;
}

}  // namespace numora
