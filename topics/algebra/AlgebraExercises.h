#pragma once

#include "practice/Exercise.h"

namespace numora {

// The exercises of the algebra windows: numbers a textbook would choose, at each level.
//
// The root of a number: square roots of squares and cube roots of cubes (easy); cube roots of
// negative cubes, fourth and fifth roots, larger squares (medium); roots that are not whole,
// √8 = 2√2, ∛-54 = -3∛2 (hard).
Exercise RootExercise(Level level, Random& random);
// A power: whole powers of small numbers (easy); negative bases, negative exponents, the exponent
// 0.5 on a square and the exponent 0 (medium); the exponent 0.5 on a number that is no square,
// 1.5, -0.5 and 0.25, negative exponents of negative bases and decimal bases (hard). Only
// exponents whose decimal ends exactly: the exponent's box takes a decimal.
Exercise PowerExercise(Level level, Random& random);
// The hypotenuse: Pythagorean triples (easy), larger or decimal multiples of them (medium), legs
// whose hypotenuse is a root (hard: 1 and 2 give √5).
Exercise PythagorasExercise(Level level, Random& random);
// A س² + B س + C = 0 built from its roots: whole roots with A = 1 (easy), fractional roots with
// A ≠ 1 (medium), irrational roots, and now and then no real root (hard).
Exercise QuadraticExercise(Level level, Random& random);

}  // namespace numora
