#pragma once

#include <string_view>

#include "numeric/Problem.h"

namespace numora {

// The problem of a conversion (ProblemOf), with the temperature read in the scale it converts
// from: "حول 100 من فهرنهايت إلى سلسيوس".
ProblemOf ConversionProblem(const Formula& conversion, std::u16string_view from);

}  // namespace numora
