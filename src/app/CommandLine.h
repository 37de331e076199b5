// The argument text of a full process command line, as the runtime hands it to wWinMain: the
// program name (quoted or up to the first blank) and the blanks after it are skipped.
#pragma once
#include <string_view>

namespace app {

std::u16string_view argumentsOf(std::u16string_view commandLine);

}  // namespace app
