// A list file that cannot be read or parsed is the user's all the same: before a save replaces it,
// it is kept beside itself as "<name>.unreadable-<date>", once, and the failure is logged.
#pragma once
#include <string>

namespace library {

// True when the file's bytes are kept (now, or by an earlier save under one of the names), so the
// file may be replaced; false when they could not be, and the file must stay as it is.
bool keepUnreadableList(const std::u16string& path);

}  // namespace library
