#include "app/BlockeryApp_win.h"

#include <commctrl.h>
#include <ole2.h>
#include <objidl.h>  // GDI+ needs it, and the lean Windows headers leave it out
#include <gdiplus.h>

#include "app/CommandLine.h"
#include "app/Companion.h"
#include "base/FailureLog.h"
#include "base/Path.h"
#include "base/WinText.h"
#include "gallery/GalleryCommand.h"
#include "gallery/GalleryDlg_win.h"
#include "gallery/GalleryTitle.h"
#include "library/Layout.h"

namespace app {

namespace {

LONG WINAPI passEveryException(EXCEPTION_POINTERS*) { return EXCEPTION_CONTINUE_SEARCH; }

}  // namespace

int CBlockeryApp::run() {
  InitInstance();
  return ExitInstance();
}

bool CBlockeryApp::InitInstance() {
  INITCOMMONCONTROLSEX controls{8, 0xFF};
  InitCommonControlsEx(&controls);
  SetUnhandledExceptionFilter(passEveryException);
  // Failures are logged beside the lists they may concern, from the first one on.
  base::setFailureLogFile(base::joinPath(library::dataRoot(), library::kFailureLogFile));
  // The window layer needs no set-up of its own, and there are no embedded controls to contain.
  Gdiplus::GdiplusStartupInput gdiplus;
  if (Gdiplus::GdiplusStartup(&gdiplusToken_, &gdiplus, nullptr) != Gdiplus::Ok) {
    base::logFailure(u"start GDI+", GetLastError());
  }
  // Dragging a block out of the thumbnail list is OLE drag and drop.
  HRESULT ole = OleInitialize(nullptr);
  oleReady_ = SUCCEEDED(ole);
  if (!oleReady_) base::logFailure(u"OleInitialize", uint32_t(ole));

  std::u16string_view commandLine = argumentsOf(base::fromWide(GetCommandLineW()));
  StartupPlan plan = planStartup(commandLine);
  if (plan.askCompanion && companionOpensCad(library::programFolder())) return false;

  if (plan.road == StartupRoad::SingleInstance) {
    if (forwardToRunningGallery(plan)) return false;
    if (plan.endAsFirstInstance) return false;  // nothing to close or hide
  }
  state_ = plan.state;
  runGallery();
  return false;
}

bool CBlockeryApp::forwardToRunningGallery(const StartupPlan& plan) {
  instanceEvent_ = win::KernelHandle(CreateEventW(nullptr, FALSE, FALSE, base::wide(kInstanceEventName)));
  const DWORD created = GetLastError();
  if (!instanceEvent_) base::logFailure(u"create the single-instance event", created);
  if (created != ERROR_ALREADY_EXISTS) return false;
  // Another gallery owns the event. This handle stays open on purpose: while this process runs,
  // the event keeps existing, so later starts keep looking for a hosted gallery.
  instanceEvent_.release();
  std::u16string title(gallery::kHostedTitle);
  HWND running = FindWindowW(nullptr, base::wide(title));
  if (!running || !IsWindow(running)) return false;
  for (const ForwardedCommand& c : plan.forwards)
    SendMessageW(running, gallery::kGalleryCommandMessage, WPARAM(c.argument), LPARAM(c.code));
  if (plan.waitAfterForwardMs) Sleep(plan.waitAfterForwardMs);
  return true;
}

void CBlockeryApp::runGallery() {
  gallery::CGalleryDlg gallery(state_, instanceEvent_);
  gallery.doModal();
}

int CBlockeryApp::ExitInstance() {
  if (gdiplusToken_) Gdiplus::GdiplusShutdown(gdiplusToken_);
  if (oleReady_) OleUninitialize();
  oleReady_ = false;
  gdiplusToken_ = 0;
  instanceEvent_.close();
  return 0;
}

}  // namespace app
