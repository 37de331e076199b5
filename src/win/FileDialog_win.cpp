#include "win/FileDialog.h"

#include <cderr.h>
#include <commdlg.h>

#include "base/FailureLog.h"
#include "base/FileSelection.h"
#include "base/WinText.h"

namespace win {

std::vector<std::u16string> pathsOfSelection(const wchar_t* buffer) {
  const wchar_t* end = buffer;
  while (end[0] || end[1]) ++end;  // the two NULs that end the selection
  return base::pathsOfSelection(std::u16string_view(reinterpret_cast<const char16_t*>(buffer), end - buffer + 1));
}

// A selection too large for the buffer is not a cancel: the dialog opens again, in the folder it
// was left in, with a buffer large enough for what was picked.
std::optional<std::vector<std::u16string>> chooseFilesToOpen(HWND owner, const std::u16string& title,
                                                             const std::vector<FileFilter>& filters,
                                                             bool several) {
  std::u16string filter;
  for (const FileFilter& f : filters) {
    filter += f.label;
    filter += u'\0';
    filter += f.pattern;
    filter += u'\0';
  }
  filter += u'\0';
  for (size_t size = 32 * 1024; size != 0;) {
    std::wstring buffer(size, L'\0');
    OPENFILENAMEW choice{};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = owner;
    choice.lpstrFilter = base::wide(filter);
    choice.lpstrFile = buffer.data();
    choice.nMaxFile = DWORD(buffer.size());
    choice.lpstrTitle = title.empty() ? nullptr : base::wide(title);
    choice.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_HIDEREADONLY;
    if (several) choice.Flags |= OFN_ALLOWMULTISELECT;
    if (GetOpenFileNameW(&choice)) return pathsOfSelection(buffer.data());
    const DWORD error = CommDlgExtendedError();
    if (error != FNERR_BUFFERTOOSMALL) {
      if (error != 0) base::logFailure(u"open the file dialog", error);
      return std::nullopt;
    }
    size = base::largerSelectionBuffer(buffer.size(), char16_t(buffer[0]));
  }
  base::logFailure(u"take a file selection larger than the largest buffer", FNERR_BUFFERTOOSMALL);
  return std::nullopt;
}

}  // namespace win
