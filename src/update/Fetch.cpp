#include "update/Fetch.h"

#include <algorithm>

#include "update/Percent.h"
#include "update/Url.h"

namespace update {

namespace {

constexpr uint32_t kConnectTimeoutMs = 2000;
constexpr uint32_t kConnectRetries = 1;
constexpr size_t kReadSize = 1024;
constexpr uint32_t kReportEveryMs = 300;

// Connects, sends the GET and checks the status: true only for an answer of 200.
bool requestAccepted(FetchJob& job, const std::u16string& url, CacheMode mode) {
  HttpSource* session = job.session();
  if (!session) return false;
  session->setConnectTimeout(kConnectTimeoutMs);
  session->setConnectRetries(kConnectRetries);
  std::optional<UrlParts> parts = splitUrl(url);
  if (!parts) return false;
  job.connection() = session->connect(parts->server, parts->port, parts->secure);
  if (!job.connection()) return false;
  job.request() = job.connection()->openGet(parts->objectPath, mode);
  if (!job.request()) return false;
  if (!job.request()->send()) {
    job.markTransientFailure();
    return false;
  }
  std::optional<uint32_t> status = job.request()->statusCode();
  if (status >= 500u && status <= 599u) job.markTransientFailure();
  return status == 200u;
}

// Copies the body to the output file; 1 when exactly contentLength bytes arrived.
int32_t transferBody(FetchJob& job, uint64_t contentLength, uint32_t startTick) {
  char piece[kReadSize];
  uint64_t received = 0;
  uint32_t lastReport = startTick;
  for (;;) {
    std::optional<size_t> got = job.request()->read(piece, sizeof piece);
    if (!got) job.markTransientFailure();
    if (!got || job.dropped()) return 0;
    if (*got == 0) return received == contentLength ? 1 : 0;
    size_t count = std::min(*got, sizeof piece);
    if (!job.output().write(piece, count)) return 0;
    received += count;
    uint32_t now = job.clock().tickCount();
    if (now - lastReport > kReportEveryMs) {
      if (contentLength != 0) job.sendProgress(percentDone(received, contentLength));
      lastReport = now;
    }
  }
}

}  // namespace

int32_t fetchToFile(FetchJob& job, const std::u16string& outputPath, const std::u16string& url, CacheMode mode) {
  int32_t result = 0;
  if (requestAccepted(job, url, mode) && job.createOutput(outputPath)) {
    std::optional<uint64_t> contentLength = job.request()->contentLength();
    if (contentLength) result = transferBody(job, *contentLength, job.clock().tickCount());
  }
  job.closeAll();
  return result;
}

}  // namespace update
