#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calculator/CalculatorState.h"

namespace numora {

// Declared in numeric/Fault.h.
enum class FaultKind : int;

// The keypad without its window: what each key button and each typed character sends to the
// state machine, when a typed character goes into the display box as text instead, and what the
// fault box says when a key fails.

// The digit keys N(0)..N(9), by index. N(4) is captioned "5" and N(5) "4": each button types the
// digit on its caption, not its index.
inline constexpr std::array<CalculatorKey, 10> kDigitButtonKeys = {
    CalculatorKey::Digit(0), CalculatorKey::Digit(1), CalculatorKey::Digit(2),
    CalculatorKey::Digit(3), CalculatorKey::Digit(5), CalculatorKey::Digit(4),
    CalculatorKey::Digit(6), CalculatorKey::Digit(7), CalculatorKey::Digit(8),
    CalculatorKey::Digit(9)};

// The operator keys S(0) "+", S(1) "*", S(2) "-" and S(3) "/", by index.
inline constexpr std::array<CalculatorKey, 4> kOperatorButtonKeys = {
    CalculatorKey::Operator(Operation::Add), CalculatorKey::Operator(Operation::Multiply),
    CalculatorKey::Operator(Operation::Subtract), CalculatorKey::Operator(Operation::Divide)};

// The key a typed character stands for: + - * × / ÷ the operator keys, "=" the equals key, the
// points "." "," and "٫" the point key, and the digits 0 to 9, ٠ to ٩ and ۰ to ۹ the digit keys.
// None for any other character.
std::optional<CalculatorKey> KeyForCharacter(char16_t c);

// Whether a digit or point typed into the display box goes in as text rather than pressing its
// key: always, except for the first of a new number after an operator key or "=", which takes the
// place of the number shown as its key does. displayText is the box's text before the character.
// False for every other key.
bool GoesInAsText(const CalculatorKey& key, const CalculatorState& state,
                  std::u16string_view displayText);

// The fault box's sentence for a key that failed with the given fault: a division by zero and
// display text that is not a number each have their own, every other fault shares one.
std::u16string CalculatorFaultSentence(FaultKind kind);

}  // namespace numora
