#pragma once

#include <optional>

#include "numeric/Problem.h"

namespace numora {

// The problems of the algebra windows (ProblemOf), stated with the pupil's numbers.

// "الجذر التربيعي للعدد 8", "الجذر التكعيبي للعدد 27", "الجذر الخامس للعدد 32", and for any
// other index "الجذر الذي دليله 2.5 للعدد 8".
std::optional<Problem> RootProblem(const Values& values, Notation notation);
// "العدد 2 مرفوعا إلى الأس 10"
std::optional<Problem> PowerProblem(const Values& values, Notation notation);
// "مثلث قائم ضلعاه 3 و4"
std::optional<Problem> PythagorasProblem(const Values& values, Notation notation);
// The equation as a textbook writes it: 2س² - 7س + 3 = 0, a coefficient 1 left unwritten (س²,
// -س), a term with coefficient 0 left out, a negative coefficient as a minus sign.
std::optional<Problem> QuadraticProblem(const Values& values, Notation notation);

}  // namespace numora
