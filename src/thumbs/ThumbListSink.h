// The thumbnail list as the loader sees it. The list window implements it; the loader never
// touches the window in any other way.
//
// Threads: resetList, setRedraw(false) and hideScrollBars are called by ThumbLoader::LoadPaths on
// the user-interface thread. Everything else is called on the loader thread while a run lasts. The
// Windows list implements those calls with synchronous window messages (SendMessage), so it must
// keep dispatching messages while it waits for the loader: it hands that message pump to
// ThumbLoader as its stop wait. Item i always shows image i and carries item data i, its index in
// the paths given to LoadPaths.
#pragma once
#include <cstddef>
#include <string_view>

#include "base/Image.h"

namespace thumbs {

class ThumbListSink {
public:
  virtual ~ThumbListSink() = default;

  // UI thread, start of every load: remove every item and image, then make imageCount image slots.
  virtual void resetList(size_t imageCount) = 0;
  // UI thread, after resetList and setRedraw(false): hide the scroll bars.
  virtual void hideScrollBars() = 0;

  // Loader thread, pass 1: add item index with its caption, image index and item data.
  virtual void insertItem(size_t index, std::u16string_view caption, size_t imageIndex, size_t data) = 0;
  // Loader thread: put tile (116 x 55) into image slot index; the list keeps its own copy.
  virtual void replaceImage(size_t index, const base::Image& tile) = 0;
  // Both threads: switch the list's redrawing off or on (WM_SETREDRAW).
  virtual void setRedraw(bool on) = 0;
  // Loader thread, pass 3: redraw item index alone.
  virtual void redrawItem(size_t index) = 0;
  // Loader thread (and the UI thread for an empty load): repaint the whole list, erasing its ground.
  virtual void invalidate() = 0;
};

}  // namespace thumbs
