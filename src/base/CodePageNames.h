// Natively, code pages are converted by iconv; this maps a Windows code page to iconv's name.
#pragma once

namespace base::codepage {

// The iconv name for a code page, or nullptr when iconv has no such converter.
const char* iconvName(unsigned codePage);

}  // namespace base::codepage
