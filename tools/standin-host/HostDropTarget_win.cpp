#include "HostDropTarget_win.h"

#include <shellapi.h>

#include "base/WinText.h"

namespace standin {

namespace {

FORMATETC fileDrop() { return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

DWORD copyIfAllowed(bool offered, DWORD allowed) { return offered && (allowed & DROPEFFECT_COPY) ? DROPEFFECT_COPY : DROPEFFECT_NONE; }

std::u16string firstDroppedFile(IDataObject* data) {
  FORMATETC format = fileDrop();
  STGMEDIUM medium{};
  if (FAILED(data->GetData(&format, &medium))) return {};
  auto drop = static_cast<HDROP>(medium.hGlobal);
  UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  std::wstring buffer(length + 1, L'\0');
  UINT got = DragQueryFileW(drop, 0, buffer.data(), length + 1);
  std::u16string path = base::fromWide(buffer.data(), got);
  ReleaseStgMedium(&medium);
  return path;
}

}  // namespace

HRESULT HostDropTarget::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
    *object = static_cast<IDropTarget*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT HostDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  FORMATETC format = fileDrop();
  filesOffered_ = data && data->QueryGetData(&format) == S_OK;
  *effect = copyIfAllowed(filesOffered_, *effect);
  return S_OK;
}

HRESULT HostDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
  *effect = copyIfAllowed(filesOffered_, *effect);
  return S_OK;
}

HRESULT HostDropTarget::DragLeave() {
  filesOffered_ = false;
  return S_OK;
}

HRESULT HostDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  std::u16string path = data ? firstDroppedFile(data) : std::u16string();
  *effect = copyIfAllowed(!path.empty(), *effect);
  filesOffered_ = false;
  if (!path.empty()) dropped_(path);
  return S_OK;
}

}  // namespace standin
