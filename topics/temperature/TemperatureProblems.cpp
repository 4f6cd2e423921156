#include "topics/temperature/TemperatureProblems.h"

#include <string>

namespace numora {

ProblemOf ConversionProblem(const Formula& conversion, std::u16string_view from) {
  // The conversion's heading says it: "من فهرنهايت إلى سلسيوس".
  const std::u16string sentence =
      u"حول {" + std::u16string(from) + u"} " + std::u16string(conversion.heading);
  return [sentence](const Values& values, Notation notation) {
    return Stated(sentence, values, notation);
  };
}

}  // namespace numora
