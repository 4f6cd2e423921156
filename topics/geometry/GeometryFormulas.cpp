#include "topics/geometry/GeometryFormulas.h"

namespace numora {

}  // namespace numora
