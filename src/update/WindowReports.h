// The report window of a real dialog: the gallery command message sent or posted to a window handle.
// Defined only in the Windows build.
#pragma once
#include <memory>

#include "update/ReportWindow.h"

namespace update {

// windowHandle is an HWND; the object may outlive the window (it then only answers isWindow false).
std::shared_ptr<ReportWindow> reportWindowFor(void* windowHandle);

}  // namespace update
