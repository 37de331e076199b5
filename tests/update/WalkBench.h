// A stand-in for the update dialog and its server: records what the walk shows and asks for, runs
// posted steps in order, and completes each started fetch by writing the server's file in place.
#pragma once
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/Files.h"
#include "base/Path.h"
#include "support/TempFolder.h"
#include "update/FetchWorker.h"
#include "update/UpdateWalk.h"
#include "update/UpdateWalkHost.h"

namespace update_tests {

struct StartedFetch {
  std::u16string url;
  std::u16string localPath;
  std::optional<uint64_t> size;
};

class WalkBench final : public update::UpdateWalkHost {
public:
  // The server's files by URL; a URL listed in failing (or not present) answers with a failure.
  std::map<std::u16string, std::string> serverFiles;
  std::set<std::u16string> failing;

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
  void startFetch(const std::u16string& url, const std::u16string& localPath, std::optional<uint64_t> size) override {
    fetches.push_back({url, localPath, size});
    pending_ = true;
  }
  void setStatus(const std::u16string& text) override { statuses.push_back(text); }
  void redrawStatus() override { ++statusRedraws; }
  void setBar(uint32_t percent) override { bar.push_back(percent); }
  void redrawBar() override { ++barRedraws; }
  void requestReload() override { ++reloads; }
  void writeDebugLine(std::u16string_view line) override { debugLines.emplace_back(line); }

  // Runs the chain until nothing is posted and no fetch is pending; a fetch is completed as the
  // worker would complete it. With closeAfterFetches, the dialog goes away once that many fetches
  // were started: the last one still lands on disk, but its completion reaches nobody.
  void run(update::UpdateWalk& walk, size_t closeAfterFetches = SIZE_MAX) {
    walk.start();
    for (;;) {
      if (!posted.empty()) {
        int32_t step = posted.front();
        posted.pop_front();
        walk.handleStep(0, step);
      } else if (pending_) {
        pending_ = false;
        const StartedFetch& last = fetches.back();
        int32_t result = complete(last);
        if (fetches.size() >= closeAfterFetches) return;
        walk.handleStep(uint32_t(result), update::completionCodeFor(last.localPath));
      } else {
        return;
      }
    }
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
    if (found == serverFiles.end() || failing.count(fetch.url)) return 0;
    return base::files::writeWhole(fetch.localPath, found->second) ? 1 : 0;
  }

  bool pending_ = false;
};

}  // namespace update_tests
