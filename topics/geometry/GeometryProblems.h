#pragma once

#include <optional>

#include "numeric/Problem.h"

namespace numora {

// The problems of the geometry windows (ProblemOf): the figure and its lengths, in the words its
// description uses ("دائرة نصف قطرها 7"). A rectangle of equal sides is a square, a cuboid of
// equal edges a cube.
std::optional<Problem> TriangleProblem(const Values& values, Notation notation);
std::optional<Problem> RectangleProblem(const Values& values, Notation notation);
std::optional<Problem> TrapezoidProblem(const Values& values, Notation notation);
std::optional<Problem> CircleProblem(const Values& values, Notation notation);
std::optional<Problem> CuboidProblem(const Values& values, Notation notation);
std::optional<Problem> SphereProblem(const Values& values, Notation notation);
std::optional<Problem> CylinderProblem(const Values& values, Notation notation);

}  // namespace numora
