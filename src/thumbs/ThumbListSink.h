// The thumbnail list as the loader sees it. The list window implements it; the loader never
// touches the window in any other way, and never waits for it.
#pragma once
#include <cstddef>

namespace thumbs {

class ThumbListSink {
public:
  virtual ~ThumbListSink() = default;

  // The window's thread, in ThumbLoader::LoadPaths: the list now shows count items (item i shows
  // path i), none of them with its tile yet.
  virtual void resetList(size_t count) = 0;
  // The loader thread: tiles wait in ThumbLoader::takeTiles. Said once until they are taken; the
  // Windows list posts itself a message and takes them on its own thread.
  virtual void tilesReady() = 0;
};

}  // namespace thumbs
