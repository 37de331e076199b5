// Fills a thumbnail list in the background, in three passes on a thread of its own: every caption,
// then every tile whose preview is cached (both with redrawing off, so the list appears once, laid
// out), then each missing preview read from its file, one item at a time.
//
// LoadPaths and StopLoader are called on the user-interface thread. While a run lasts only the
// loader uses the cache; the window stops the loader before it removes cache entries and before it
// is destroyed.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "base/DisplayScale.h"
#include "thumbs/DwgPreview.h"
#include "thumbs/ThumbCache.h"
#include "thumbs/ThumbListSink.h"

namespace thumbs {

using PreviewReader = std::function<std::optional<base::Image>(const std::u16string& path)>;
// One turn of the wait in StopLoader. The Windows list pumps the messages waiting for its thread
// here (PeekMessage and the application's pump), so the loader's synchronous messages get through.
// Without one the wait only yields the processor.
using StopWait = std::function<void()>;

class ThumbLoader {
public:
  explicit ThumbLoader(ThumbListSink& sink, CImageThumbCachedMgr& cache = CImageThumbCachedMgr::instance(),
                       PreviewReader reader = LoadDwgPreview);
  ~ThumbLoader();
  ThumbLoader(const ThumbLoader&) = delete;
  ThumbLoader& operator=(const ThumbLoader&) = delete;

  void setStopWait(StopWait wait) { stopWait_ = std::move(wait); }
  // The display setting the tiles are made for (MakeThumbTile); set between runs.
  void setTileDpi(int dpi) { tileDpi_ = dpi; }

  // Stops a run, shows paths (in order) and starts a run for them; returns at once.
  void LoadPaths(std::vector<std::u16string> paths);
  // Asks a running loader to stop and waits for it, turning the stop wait meanwhile; the loader
  // stops before the next missing preview it would read.
  void StopLoader();

  bool loading() const { return loading_.load(); }
  // The paths of the items now in the list; item i shows path i.
  const std::vector<std::u16string>& paths() const { return paths_; }

private:
  void RunLoader();
  void placeCaptions();
  void placeCachedTiles();
  void placeMissingTiles();

  ThumbListSink& sink_;
  CImageThumbCachedMgr& cache_;
  PreviewReader reader_;
  StopWait stopWait_;
  std::vector<std::u16string> paths_;
  std::thread thread_;
  std::atomic<bool> loading_{false};
  std::atomic<int32_t> stopRequest_{0};
  std::atomic<bool> threadEnded_{true};
  std::atomic<int> tileDpi_{base::kBaseDpi};
};

}  // namespace thumbs
