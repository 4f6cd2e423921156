#pragma once

#include "practice/Exercise.h"

namespace numora {

// The exercises of the geometry windows: lengths a textbook would choose, at each level. Easy:
// small whole lengths whose results are whole, or end within two places with π as 3.14 (whole
// radii; a sphere's radius a multiple of 3 for its 4/3). Medium: larger lengths or one decimal
// place, the π results still ending within two places. Hard: two decimal places or larger
// lengths, the results rounded. No length is ever zero or negative.
Exercise TriangleExercise(Level level, Random& random);
// The rectangle's diagonal is whole at easy (the sides of a Pythagorean triple).
Exercise RectangleExercise(Level level, Random& random);
Exercise TrapezoidExercise(Level level, Random& random);
Exercise CircleExercise(Level level, Random& random);
Exercise CuboidExercise(Level level, Random& random);
Exercise SphereExercise(Level level, Random& random);
Exercise CylinderExercise(Level level, Random& random);

}  // namespace numora
