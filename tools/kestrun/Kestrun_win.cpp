// Kestrun.dll for the tests. openCAD answers what BLOCKERY_KESTRUN_OPENCAD says ("1" is true,
// anything else or nothing is false) and, when BLOCKERY_KESTRUN_LOG names a file, appends one
// line per call to it, so a test can tell that the gallery asked.
#include <windows.h>

namespace {

bool environmentSaysYes() {
  wchar_t value[16] = L"";
  DWORD n = GetEnvironmentVariableW(L"BLOCKERY_KESTRUN_OPENCAD", value, 16);
  return n == 1 && value[0] == L'1';
}

void logCall(bool answer) {
  wchar_t path[MAX_PATH] = L"";
  DWORD n = GetEnvironmentVariableW(L"BLOCKERY_KESTRUN_LOG", path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return;
  HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const char* line = answer ? "openCAD true\n" : "openCAD false\n";
  DWORD written = 0;
  WriteFile(file, line, DWORD(lstrlenA(line)), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

extern "C" __declspec(dllexport) bool openCAD() {
  bool answer = environmentSaysYes();
  logCall(answer);
  return answer;
}
