#include "win/FileDialog.h"

#include <commdlg.h>

#include "base/Path.h"
#include "base/WinText.h"

namespace win {

std::vector<std::u16string> pathsOfSelection(const wchar_t* buffer) {
  std::vector<std::u16string> parts;
  for (const wchar_t* p = buffer; *p; p += wcslen(p) + 1) parts.push_back(base::fromWide(p));
  if (parts.size() <= 1) return parts;
  std::vector<std::u16string> paths;
  for (size_t i = 1; i < parts.size(); ++i) paths.push_back(base::joinPath(parts[0], parts[i]));
  return paths;
}

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
  std::wstring buffer(32 * 1024, L'\0');
  OPENFILENAMEW choice{};
  choice.lStructSize = sizeof(choice);
  choice.hwndOwner = owner;
  choice.lpstrFilter = base::wide(filter);
  choice.lpstrFile = buffer.data();
  choice.nMaxFile = DWORD(buffer.size());
  choice.lpstrTitle = title.empty() ? nullptr : base::wide(title);
  choice.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_HIDEREADONLY;
  if (several) choice.Flags |= OFN_ALLOWMULTISELECT;
  if (!GetOpenFileNameW(&choice)) return std::nullopt;
  return pathsOfSelection(buffer.data());
}

}  // namespace win
