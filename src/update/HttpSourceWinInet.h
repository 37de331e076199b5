// The HTTP source of Blockery.exe: WinINet with the system's pre-configured proxy settings.
// Defined only in the Windows build.
#pragma once
#include <memory>

#include "update/FetchWorker.h"
#include "update/HttpSource.h"

namespace update {

// A fresh internet session, agent "Blockery"; nullptr when WinINet cannot open one.
std::unique_ptr<HttpSource> openWinInetSession();

// What fetch workers use in the program: a WinINet session per fetch and the system clock.
FetchServices winInetFetchServices();

// What an update walk's fetches use: one WinINet session for all of them, with as many connections
// to the server as the walk has fetches at once.
FetchServices winInetWalkServices();

}  // namespace update
