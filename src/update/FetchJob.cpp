#include "update/FetchJob.h"

#include "update/UpdateCodes.h"

namespace update {

FetchJob::FetchJob(std::unique_ptr<HttpSource> session, std::shared_ptr<ReportWindow> window, Clock& clock)
    : clock_(clock), session_(std::move(session)) {
  if (window && window->isWindow()) progressWindow_ = std::move(window);
}

void FetchJob::sendProgress(uint32_t percent) {
  if (windowFollows()) progressWindow_->sendCommand(percent, kProgressBase + progressSlot());
}

void FetchJob::postProgress(uint32_t percent) {
  if (windowFollows()) progressWindow_->postCommand(percent, kProgressBase + progressSlot());
}

void FetchJob::closeAll() {
  request_.reset();
  connection_.reset();
  session_.reset();
  output_.close();
}

bool FetchJob::createOutput(const std::u16string& path) {
  if (output_.createNew(path)) outputMade_ = true;
  return output_.isOpen();
}

}  // namespace update
