// Private-profile (INI) settings with the observable results of the Windows functions:
// a missing file, section or key gives the default; values are cut to the buffer; a write
// creates the file, the section and the key as needed.
#pragma once
#include <cstddef>
#include <string>

namespace base::profile {

// bufferChars counts the terminator, as GetPrivateProfileStringW does: at most bufferChars - 1
// characters come back.
std::u16string readString(const std::u16string& file, const std::u16string& section,
                          const std::u16string& key, const std::u16string& fallback,
                          size_t bufferChars);
bool writeString(const std::u16string& file, const std::u16string& section,
                 const std::u16string& key, const std::u16string& value);

}  // namespace base::profile
