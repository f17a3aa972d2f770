// The program's version, as the about box, scenario files and packages show it.
#pragma once

namespace qelvo {

const char* programVersion();

}  // namespace qelvo
