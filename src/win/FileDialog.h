// The file-open dialog: the chosen full paths, or nothing when the user cancels.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace win {

struct FileFilter {
  std::u16string label;    // "图块文件 (*.dwg)"
  std::u16string pattern;  // "*.dwg"
};

std::optional<std::vector<std::u16string>> chooseFilesToOpen(HWND owner, const std::u16string& title,
                                                             const std::vector<FileFilter>& filters,
                                                             bool several);

// The paths in an OPENFILENAME result buffer: one full path, or a folder followed by names,
// each ended by a NUL and the whole by a second NUL.
std::vector<std::u16string> pathsOfSelection(const wchar_t* buffer);

}  // namespace win
