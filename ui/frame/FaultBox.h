#pragma once

#include <QString>

#include "numeric/Fault.h"
#include "ui/frame/Services.h"

namespace numora {

// The one place where a fault becomes the text of its box: the plain sentence of whoever raised
// it, on what went wrong and where to look (none when it is empty), then the fault's number and
// its name in Arabic, with the conventional English name beside it; the number in the region's
// digits.
Message FaultMessage(const Fault& fault, const QString& sentence = {}, Numerals numerals = {});

// A failure of the platform or of a component inside a handler.
Message FailureMessage(const QString& what);

}  // namespace numora
