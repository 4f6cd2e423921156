#include "topics/temperature/TemperatureFormulas.h"

namespace numora {

}  // namespace numora
