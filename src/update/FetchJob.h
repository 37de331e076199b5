// One download: everything it opens, owned, and closed on every road out.
#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "base/OutputFile.h"
#include "update/Clock.h"
#include "update/HttpSource.h"
#include "update/ReportWindow.h"

namespace update {

// A file's ETag and Last-Modified, as its server sent them; empty texts for none.
struct FileValidators {
  std::u16string etag;
  std::u16string lastModified;

  bool empty() const { return etag.empty() && lastModified.empty(); }
};

class FetchJob {
public:
  // The window becomes the job's progress window (slot 0) only when it is given and still a window.
  FetchJob(std::unique_ptr<HttpSource> session, std::shared_ptr<ReportWindow> window, Clock& clock);
  ~FetchJob() { closeAll(); }
  FetchJob(const FetchJob&) = delete;
  FetchJob& operator=(const FetchJob&) = delete;

  // -1 when no window follows the job, 0 when one does; reports carry 2000 + this.
  int32_t progressSlot() const { return progressWindow_ ? 0 : -1; }
  bool windowFollows() const { return progressWindow_ && progressWindow_->isWindow(); }
  void sendProgress(uint32_t percent);
  void postProgress(uint32_t percent);

  // Closes the request, the connection and the session, then the output file.
  void closeAll();

  Clock& clock() { return clock_; }
  HttpSource* session() { return session_.get(); }
  std::unique_ptr<HttpConnection>& connection() { return connection_; }
  std::unique_ptr<HttpRequest>& request() { return request_; }
  base::OutputFile& output() { return output_; }
  // Creates the output as a new file; once it succeeded, outputMade() is true until the job ends.
  bool createOutput(const std::u16string& path);
  bool outputMade() const { return outputMade_; }
  // Once flag is set, the transfer stops at its next read and the fetch fails.
  void dropWhen(std::shared_ptr<const std::atomic<bool>> flag) { drop_ = std::move(flag); }
  bool dropped() const { return drop_ && drop_->load(); }
  // A failure worth another try: no answer, a broken connection, a server error.
  void markTransientFailure() { transientFailure_ = true; }
  bool failedTransiently() const { return transientFailure_ && !dropped(); }
  // What the local copy was fetched with: sent back, the server may answer 304 and no body.
  void askIfChangedSince(FileValidators sent) { sent_ = std::move(sent); }
  const FileValidators& sent() const { return sent_; }
  // The new file's validators, once a 200 answer came.
  FileValidators& answered() { return answered_; }

private:
  std::shared_ptr<ReportWindow> progressWindow_;
  Clock& clock_;
  std::unique_ptr<HttpSource> session_;
  std::unique_ptr<HttpConnection> connection_;
  std::unique_ptr<HttpRequest> request_;
  base::OutputFile output_;
  bool outputMade_ = false;
  bool transientFailure_ = false;
  FileValidators sent_;
  FileValidators answered_;
  std::shared_ptr<const std::atomic<bool>> drop_;
};

}  // namespace update
