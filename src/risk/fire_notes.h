// Texts the fire and explosion pages share.
#pragma once

namespace qelvo::risk {

// The note under each fire and explosion page.
inline const char* kFireModelNote = "—————模式参考重大危险源分级标准征求意见稿";

}  // namespace qelvo::risk
