// Reads the tiles a thumbnail list needs, on a thread of its own, in the order the list wants
// them: what is on screen first, then the next screens in the direction of scrolling. Each tile
// comes through the cache (CachedPreview.h), so a file is read only when its preview is not kept.
//
// The list's window thread calls LoadPaths, want and takeTiles. None of them waits for a read:
// the loader hands its tiles over through a locked outbox and a ThumbListSink::tilesReady call.
// A new content or a new want takes effect before the next file is read; a tile read for an
// earlier content is never handed over.
#pragma once
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "base/DisplayScale.h"
#include "thumbs/CachedPreview.h"
#include "thumbs/ThumbListSink.h"

namespace thumbs {

struct LoadedTile {
  size_t item = 0;
  SharedImage tile;
};

// The items to read for a screen that shows items first to last (of count), scrolled last in
// direction (below 0: back towards item 0; otherwise onwards): the screen in reading order, then
// the next pages screens in that direction, nearest first.
std::vector<size_t> screenOrder(size_t first, size_t last, size_t count, int direction, size_t pages = 2);

class ThumbLoader {
public:
  explicit ThumbLoader(ThumbListSink& sink, CImageThumbCachedMgr& cache = CImageThumbCachedMgr::instance(),
                       PreviewReader reader = {});
  // Ends the thread, which finishes the one file it may be reading.
  ~ThumbLoader();
  ThumbLoader(const ThumbLoader&) = delete;
  ThumbLoader& operator=(const ThumbLoader&) = delete;

  // The display setting the tiles are made for; a new one takes effect from the next tile read.
  void setTileDpi(int dpi) { tileDpi_ = dpi; }

  // A new content: the list shows paths (in order); nothing is wanted until want says so.
  void LoadPaths(std::vector<std::u16string> paths);
  // What to read now, in order; replaces what was wanted before.
  void want(const std::vector<size_t>& items);
  // The tiles read for the present content since the last call, in the order they were read.
  std::vector<LoadedTile> takeTiles();
  // True while something wanted is not yet read or not yet taken.
  bool loading() const;
  // The paths of the items now in the list; item i shows path i.
  const std::vector<std::u16string>& paths() const { return *shown_; }

private:
  using Paths = std::shared_ptr<const std::vector<std::u16string>>;

  void run();
  SharedImage tileOf(const std::u16string& path);

  ThumbListSink& sink_;
  CImageThumbCachedMgr& cache_;
  PreviewReader reader_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  Paths shown_ = std::make_shared<const std::vector<std::u16string>>();
  uint64_t content_ = 0;  // counts LoadPaths, so a tile of an earlier content is known
  std::deque<size_t> wanted_;
  std::vector<LoadedTile> loaded_;
  bool reading_ = false;
  bool quit_ = false;
  std::thread thread_;
  std::atomic<int> tileDpi_{base::kBaseDpi};
};

}  // namespace thumbs
