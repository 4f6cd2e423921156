#pragma once

#include <QString>

#include "app/frame/Services.h"
#include "numeric/Fault.h"

namespace numora {

// The step of a calculation that is under way, so that a fault's box can say in plain words what
// went wrong there and which box to look at.
enum class Step {
  None,           // no sentence: the box names the fault only
  Reading,        // reading an input box (the sentence names the box)
  RootExponent,   // the reciprocal of a root's index
  Root,           // the radicand raised to it
  Power,          // the base raised to the exponent
  Hypotenuse,     // the squares of the legs, their sum and its root
  Discriminant,   // b² − 4ac
  NotQuadratic,   // the roots over a + a when a is 0
  QuadraticRoot,  // the roots over a + a
  Measure,        // a length, area or volume of a figure (the sentence names it)
  Temperature,    // a conversion of the temperature
  Calculator,     // the calculator's pending operation
};

// The one place where a fault becomes the text of its box: one plain sentence on what went wrong
// in this step and where to look ("subject" fills in the box or the measure the step names), then
// the fault's number and its name in Arabic, with the conventional English name beside it.
Message FaultMessage(const Fault& fault, Step step = Step::None, const QString& subject = {});

// Why a result was not computed, as its working says it: the fault that stopped the calculation.
QString FaultStop(const Fault& fault);

// A failure of the platform or of a component inside a handler.
Message FailureMessage(const QString& what);
QString FailureStop(const QString& what);

}  // namespace numora
