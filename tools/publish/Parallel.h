// Work spread over the machine's cores: a publish run reads, digests and copies thousands of
// files whose handling does not depend on each other.
#pragma once
#include <cstddef>
#include <functional>

namespace publish {

// How many workers forEachInParallel uses for count jobs.
size_t workerCount(size_t count);

// Calls job(k, worker) once for every k below count, on workerCount(count) threads, and returns
// when all calls have returned. worker (below workerCount) tells calls that may share scratch
// memory apart: no two calls with the same worker run at once. The first exception a job throws
// is thrown again here, after the others have finished.
void forEachInParallel(size_t count, const std::function<void(size_t k, size_t worker)>& job);

}  // namespace publish
