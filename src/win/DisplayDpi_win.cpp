#include "win/DisplayDpi.h"

#include "base/DisplayScale.h"

namespace win {
namespace {

template <typename Function>
Function user32Function(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

int dpiOf(HWND window) {
  using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = user32Function<GetDpiForWindowCall>("GetDpiForWindow");
  if (getDpiForWindow && window) {
    if (const UINT dpi = getDpiForWindow(window)) return int(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : base::kBaseDpi;
}

void keepOwnLayoutOnDpiChange(HWND dialog) {
  using SetBehaviourCall = BOOL(WINAPI*)(HWND, int, int);
  static const auto setBehaviour = user32Function<SetBehaviourCall>("SetDialogDpiChangeBehavior");
  constexpr int kDisableAll = 1;  // DDC_DISABLE_ALL: fonts, resizing and control moves
  if (setBehaviour) setBehaviour(dialog, kDisableAll, kDisableAll);
}

}  // namespace win
