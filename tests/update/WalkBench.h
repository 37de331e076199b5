// A stand-in for the update dialog and its server: records what the walk shows and asks for, runs
// posted steps in order, and completes each started fetch by writing the server's file in place.
#pragma once
#include <algorithm>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"
#include "support/TempFolder.h"
#include "update/FetchWorker.h"
#include "update/UpdateCodes.h"
#include "update/UpdateWalk.h"
#include "update/UpdateWalkHost.h"

namespace update_tests {

struct StartedFetch {
  std::u16string url;
  std::u16string localPath;
  std::optional<uint64_t> size;
  uint32_t ticket = 0;
  update::FileValidators sent;
  std::shared_ptr<update::AnsweredValidators> answered;
};

class WalkBench final : public update::UpdateWalkHost {
public:
  // The server's files by URL; a URL listed in failing (or not present) answers with a failure, one
  // in held finds its target held open by a program. An item list's ETag is "<its size>-<its first
  // bytes' sum>"; sent back unchanged, it is answered as unchanged.
  std::map<std::u16string, std::string> serverFiles;
  std::set<std::u16string> failing;
  std::set<std::u16string> held;
  size_t mostInFlight = 0;

  library::CategoryTable table;
  std::deque<int32_t> posted;
  std::vector<StartedFetch> fetches;
  std::vector<std::u16string> statuses;
  std::vector<uint32_t> bar;
  std::vector<std::u16string> debugLines;
  int reloads = 0;
  int statusRedraws = 0;
  int barRedraws = 0;

  const library::CategoryTable& categoryTable() const override { return table; }
  void postStep(int32_t step) override { posted.push_back(step); }
  void startFetch(update::FetchOrder order) override {
    fetches.push_back({order.url, order.localPath, order.size, order.ticket, order.validators, order.answered});
    pending_.push_back(fetches.size() - 1);
    mostInFlight = std::max(mostInFlight, pending_.size());
  }
  void setStatus(const std::u16string& text) override { statuses.push_back(text); }
  void redrawStatus() override { ++statusRedraws; }
  void setBar(uint32_t percent) override { bar.push_back(percent); }
  void redrawBar() override { ++barRedraws; }
  void requestReload() override { ++reloads; }
  void writeDebugLine(std::u16string_view line) override { debugLines.emplace_back(line); }

  // Runs the chain until nothing is posted and no fetch is pending; pending fetches complete in the
  // order they were started, as a worker would complete them. With closeAfterFetches, the dialog
  // goes away once that many fetches were started and the steps posted until then have run: the
  // fetches still in flight are dropped and reach nobody.
  void run(update::UpdateWalk& walk, size_t closeAfterFetches = SIZE_MAX) {
    walk.start();
    for (;;) {
      if (!posted.empty()) {
        int32_t step = posted.front();
        posted.pop_front();
        walk.handleStep(0, step);
      } else if (fetches.size() >= closeAfterFetches) {
        return;
      } else if (!pending_.empty()) {
        StartedFetch done = fetches[pending_.front()];
        pending_.pop_front();
        walk.handleStep(update::completionWord(done.ticket, complete(done)), update::completionCodeFor(done.localPath));
      } else {
        return;
      }
    }
  }

  static std::u16string etagOf(const std::string& content) {
    size_t sum = 0;
    for (char c : content) sum = sum * 31 + uint8_t(c);
    return u"\"" + base::decimal(int64_t(content.size())) + u"-" + base::decimal(int64_t(sum % 1000000)) + u"\"";
  }

  std::u16string lastStatus() const { return statuses.empty() ? u"" : statuses.back(); }
  bool traced(std::u16string_view line) const {
    for (const std::u16string& l : debugLines)
      if (l == line) return true;
    return false;
  }

private:
  int32_t complete(const StartedFetch& fetch) {
    auto found = serverFiles.find(fetch.url);
    if (found == serverFiles.end() || failing.count(fetch.url)) return update::kFetchFailed;
    if (held.count(fetch.url)) return update::kFetchHeld;
    std::u16string etag = etagOf(found->second);
    if (!fetch.sent.etag.empty() && fetch.sent.etag == etag) return update::kFetchUnchanged;
    if (!base::files::writeWhole(fetch.localPath, found->second)) return update::kFetchFailed;
    if (fetch.answered) fetch.answered->validators = {etag, u"Wed, 09 Dec 2026 10:00:00 GMT"};
    return update::kFetchStored;
  }


  std::deque<size_t> pending_;
};

}  // namespace update_tests
