// The gallery's own XML-like files as whole texts: read as UTF-8 in text mode, written as UTF-8
// with a byte-order mark.
#pragma once
#include <string>
#include <string_view>

namespace library {

// The file's text as the scanners see it: a byte-order mark consumed, CR LF read as LF, the text
// up to its first NUL, cut after its last ">" and then after its first "</root>". A file that cannot
// be read gives an empty text.
std::u16string readWholeTextFile(const std::u16string& path);

// The same cuts applied to text already in memory.
std::u16string_view cutScannedText(std::u16string_view text);

// Writes the text with a byte-order mark, every LF as CR LF (as a text-mode stream writes it).
// The new file replaces the old one in one step; when it cannot be written the old file stays and
// the failure is logged.
bool writeWholeTextFile(const std::u16string& path, std::u16string_view text);

}  // namespace library
