// Where the platform keeps the user's documents and this program.
#pragma once
#include <string>

namespace base {

// The documents folder, not created. Natively $BLOCKERY_DOCUMENTS, else $HOME/Documents.
std::u16string documentsFolder();
// The full path of the running program (GetModuleFileNameW, 260 characters at most).
std::u16string modulePath();

}  // namespace base
