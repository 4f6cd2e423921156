#pragma once

#include <QString>

#include "app/frame/Services.h"
#include "numeric/Fault.h"

namespace numora {

// The one place where a fault becomes the text of its box: the fault's number and its name in
// Arabic, with the conventional English name beside it.
Message FaultMessage(const Fault& fault);

// Why a result was not computed, as its working says it: the fault that stopped the calculation.
QString FaultStop(const Fault& fault);

// A failure of the platform or of a component inside a handler.
Message FailureMessage(const QString& what);
QString FailureStop(const QString& what);

}  // namespace numora
