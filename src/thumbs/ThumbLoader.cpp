#include "thumbs/ThumbLoader.h"

#include "thumbs/Placeholder.h"
#include "thumbs/ThumbCaption.h"
#include "thumbs/ThumbTile.h"

namespace thumbs {

ThumbLoader::ThumbLoader(ThumbListSink& sink, CImageThumbCachedMgr& cache, PreviewReader reader)
    : sink_(sink), cache_(cache), reader_(std::move(reader)) {}

ThumbLoader::~ThumbLoader() { StopLoader(); }

void ThumbLoader::LoadPaths(std::vector<std::u16string> paths) {
  StopLoader();
  paths_ = std::move(paths);
  sink_.resetList(paths_.size());
  sink_.setRedraw(false);
  sink_.hideScrollBars();
  if (paths_.empty()) {
    // No run will switch redrawing back on, so the empty list is shown at once.
    sink_.setRedraw(true);
    sink_.invalidate();
    return;
  }
  // A stop asked just as the last run ended must not stop this one.
  stopRequest_.exchange(0);
  loading_.store(true);
  threadEnded_.store(false);
  thread_ = std::thread([this] {
    RunLoader();
    threadEnded_.store(true);
  });
}

void ThumbLoader::StopLoader() {
  if (!thread_.joinable()) return;
  if (loading_.load()) stopRequest_.exchange(1);
  while (!threadEnded_.load()) {
    if (stopWait_) {
      stopWait_();
    } else {
      std::this_thread::yield();
    }
  }
  thread_.join();
}

void ThumbLoader::RunLoader() {
  try {
    placeCaptions();
    placeCachedTiles();
    sink_.setRedraw(true);
    sink_.invalidate();
    placeMissingTiles();
    sink_.invalidate();
  } catch (...) {
    // Out of memory on a damaged preview, say: the list keeps what it has, the program goes on.
    sink_.setRedraw(true);
    sink_.invalidate();
  }
  loading_.store(false);
  stopRequest_.exchange(0);
}

void ThumbLoader::placeCaptions() {
  for (size_t i = 0; i < paths_.size(); ++i) sink_.insertItem(i, thumbCaption(paths_[i]), i, i);
}

void ThumbLoader::placeCachedTiles() {
  for (size_t i = 0; i < paths_.size(); ++i) sink_.replaceImage(i, MakeThumbTile(cache_.Lookup(paths_[i]), tileDpi_));
}

void ThumbLoader::placeMissingTiles() {
  for (size_t i = 0; i < paths_.size(); ++i) {
    if (stopRequest_.load() == 1) return;
    const std::u16string& path = paths_[i];
    if (cache_.Lookup(path)) continue;
    std::optional<base::Image> preview = reader_(path);
    const base::Image& shown = preview ? cache_.Store(path, std::move(*preview)) : placeholderPicture();
    sink_.replaceImage(i, MakeThumbTile(&shown, tileDpi_));
    sink_.redrawItem(i);
  }
}

}  // namespace thumbs
