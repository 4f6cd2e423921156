#include "topics/algebra/AlgebraFormulas.h"

namespace numora {

}  // namespace numora
