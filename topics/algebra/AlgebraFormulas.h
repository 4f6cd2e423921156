#pragma once

#include "numeric/Arithmetic.h"

namespace numora {

}  // namespace numora
