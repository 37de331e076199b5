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

// "If-None-Match" and "If-Modified-Since" lines for what the local copy was fetched with.
std::u16string conditionalHeaders(const FileValidators& sent) {
  std::u16string headers;
  if (!sent.etag.empty()) headers += u"If-None-Match: " + sent.etag + u"\r\n";
  if (!sent.lastModified.empty()) headers += u"If-Modified-Since: " + sent.lastModified + u"\r\n";
  return headers;
}

// Connects, sends the GET and gives the status, nothing when no answer came.
std::optional<uint32_t> requestAnswered(FetchJob& job, const std::u16string& url, CacheMode mode) {
  HttpSource* session = job.session();
  if (!session) return std::nullopt;
  session->setConnectTimeout(kConnectTimeoutMs);
  session->setConnectRetries(kConnectRetries);
  std::optional<UrlParts> parts = splitUrl(url);
  if (!parts) return std::nullopt;
  job.connection() = session->connect(parts->server, parts->port, parts->secure);
  if (!job.connection()) return std::nullopt;
  job.request() = job.connection()->openGet(parts->objectPath, mode);
  if (!job.request()) return std::nullopt;
  if (!job.request()->send(conditionalHeaders(job.sent()))) {
    job.markTransientFailure();
    return std::nullopt;
  }
  std::optional<uint32_t> status = job.request()->statusCode();
  if (status >= 500u && status <= 599u) job.markTransientFailure();
  return status;
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
  std::optional<uint32_t> status = requestAnswered(job, url, mode);
  if (status == 304u && !job.sent().empty()) {
    result = kNotModified;
  } else if (status == 200u && job.createOutput(outputPath)) {
    job.answered().etag = job.request()->validator(Validator::ETag).value_or(u"");
    job.answered().lastModified = job.request()->validator(Validator::LastModified).value_or(u"");
    std::optional<uint64_t> contentLength = job.request()->contentLength();
    if (contentLength) result = transferBody(job, *contentLength, job.clock().tickCount());
  }
  job.closeAll();
  return result;
}

}  // namespace update
