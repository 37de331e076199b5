// One HTTP download into one local file, with progress reports to the job's window.
#pragma once
#include <cstdint>
#include <string>

#include "update/FetchJob.h"

namespace update {

// 1 when the file at localPath received the whole body (status 200 and exactly Content-Length
// bytes), 0 otherwise. It writes exactly localPath and never replaces anything else.
// Blocks until the transfer has ended, the quick finish included.
int32_t fetchToFile(FetchJob& job, const std::u16string& localPath, const std::u16string& url);

}  // namespace update
