#include "gallery/HostHandOff.h"

#include "gallery/GalleryCommand.h"

namespace gallery {

namespace {

bool alive(GalleryView& view, WindowNumber window) { return window != 0 && view.isWindowAlive(window); }

}  // namespace

HandOffTarget handOffBlock(const AppState& state, GalleryView& view, const std::u16string& dwgPath) {
  if (alive(view, state.arxHostWindow)) {
    view.hideWindow();
    view.setWindowText(state.arxHostWindow, dwgPath);
    view.postToWindow(state.arxHostWindow, kArxHandOffMessage, kArxHandOffWParam, kArxHandOffLParam);
    return HandOffTarget::ArxHost;
  }
  if (alive(view, state.drawHostWindow)) {
    view.setWindowText(state.drawHostWindow, dwgPath);
    int64_t mode = state.ldFlag ? kDraftwellHandOffWithLd : kDraftwellHandOffPlain;
    view.postToWindow(state.drawHostWindow, kDraftwellHandOffMessage, view.ownWindow(), mode);
    return HandOffTarget::DraftwellHost;
  }
  return HandOffTarget::None;
}

}  // namespace gallery
