#include "gallery/HostHandOff.h"

#include "cad/InsertCommand.h"
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
  // The drawing may already define a block of the file's name, from another category perhaps,
  // and then its own definition is used: the gallery cannot tell which, so the note says so.
  if (view.sendToCadProgram(cad::insertCommand(dwgPath))) {
    view.showNote(std::u16string(kInsertedNote));
    return HandOffTarget::CadProgram;
  }
  view.showNote(std::u16string(kNoCadProgramNote));
  return HandOffTarget::None;
}

}  // namespace gallery
