#include "base/OutputFile.h"

#include <windows.h>

#include "base/FailureLog.h"
#include "base/WinText.h"

namespace base {

bool OutputFile::createNew(const std::u16string& path) {
  close();
  // Readers may look, but without FILE_SHARE_WRITE a second writer fails here, and without
  // FILE_SHARE_DELETE nobody can remove or rename the file while it is being written.
  file_ = KernelHandle(CreateFileW(wide(path), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
  return isOpen();
}

bool OutputFile::write(const void* bytes, size_t count) {
  if (!isOpen()) return false;
  const char* next = static_cast<const char*>(bytes);
  while (count > 0) {
    DWORD piece = count > 0x40000000u ? 0x40000000u : DWORD(count);
    DWORD written = 0;
    if (!WriteFile(file_.get(), next, piece, &written, nullptr) || written == 0)
      return false;
    next += written;
    count -= written;
  }
  return true;
}

bool OutputFile::removeUnlessHeld(const std::u16string& path) {
  // A writer's handle lacks FILE_SHARE_DELETE, so the delete itself is the test.
  if (DeleteFileW(wide(path))) return true;
  DWORD code = GetLastError();
  if (code != ERROR_SHARING_VIOLATION && code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND)
    logFailure(u"remove " + path, code);
  return false;
}

}  // namespace base
