// One HTTP download into one local file, with progress reports to the job's window.
#pragma once
#include <cstdint>
#include <string>

#include "update/FetchJob.h"

namespace update {

inline constexpr int32_t kNotModified = 3;

// 1 when a new file at outputPath received the whole body (status 200 and exactly Content-Length
// bytes), kNotModified when the job sent validators and the server answered 304 (nothing is
// created then), 0 otherwise. The answer's validators go to job.answered(). It only ever creates outputPath: when a file of that name is there already
// the fetch fails and leaves it alone. Blocks until the transfer has ended,
// or has been dropped (FetchJob::dropWhen).
int32_t fetchToFile(FetchJob& job, const std::u16string& outputPath, const std::u16string& url, CacheMode mode);

}  // namespace update
