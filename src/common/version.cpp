#include "common/version.h"

namespace qelvo {

// QELVO_VERSION comes from the project's version in CMakeLists.txt.
const char* programVersion() { return QELVO_VERSION; }

}  // namespace qelvo
