#include "thumbs/BlockTransfer_win.h"

#include <shlobj.h>

#include "base/FailureLog.h"
#include "thumbs/BlockDataObject_win.h"

namespace thumbs {

namespace {

// The drag goes on while the left button is held; it drops on release and ends on Esc.
class BlockDropSource : public IDropSource {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
      *object = static_cast<IDropSource*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  // It lives on the dragging function's stack, which outlasts DoDragDrop.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keys) override {
    if (escapePressed || (keys & MK_RBUTTON)) return DRAGDROP_S_CANCEL;
    if (!(keys & MK_LBUTTON)) return DRAGDROP_S_DROP;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

// The shell's drag image helper takes the tile into the data object. Without it (it may be
// missing or refuse) the drag goes on with the plain cursor, and the tile, which nobody took, goes.
void attachDragImage(IDataObject* data, HBITMAP tile, SIZE tileSize, POINT grip) {
  if (!tile) return;
  IDragSourceHelper* helper = nullptr;
  HRESULT made = CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDragSourceHelper,
                                  reinterpret_cast<void**>(&helper));
  if (FAILED(made) || !helper) {
    base::logFailure(u"drag image helper", uint32_t(made));
    DeleteObject(tile);
    return;
  }
  SHDRAGIMAGE image{};
  image.sizeDragImage = tileSize;
  image.ptOffset = grip;
  image.hbmpDragImage = tile;  // the helper owns it when it accepts it
  image.crColorKey = CLR_NONE;
  HRESULT set = helper->InitializeFromBitmap(&image, data);
  if (FAILED(set)) {
    base::logFailure(u"drag image of a block", uint32_t(set));
    DeleteObject(tile);
  }
  helper->Release();
}

}  // namespace

DragEnd dragBlock(const std::u16string& path, HBITMAP tile, SIZE tileSize, POINT grip) {
  BlockDataObject* data = new BlockDataObject(path);
  attachDragImage(data, tile, tileSize, grip);
  BlockDropSource source;
  DWORD effect = DROPEFFECT_NONE;
  HRESULT result = DoDragDrop(data, &source, DROPEFFECT_COPY, &effect);
  if (FAILED(result)) base::logFailure(u"drag of " + path, uint32_t(result));
  data->Release();
  return dragEndOf(int32_t(result), effect);
}

}  // namespace thumbs
