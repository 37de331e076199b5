#include "thumbs/BlockDataObject_win.h"

#include <shlobj.h>

#include <cstring>

#include "base/FailureLog.h"

namespace thumbs {

namespace {

FORMATETC globalFormat(CLIPFORMAT format) { return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

HGLOBAL copyOfGlobal(HGLOBAL source) {
  SIZE_T size = GlobalSize(source);
  const void* from = GlobalLock(source);
  if (!from) return nullptr;
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  void* to = copy ? GlobalLock(copy) : nullptr;
  if (to) {
    std::memcpy(to, from, size);
    GlobalUnlock(copy);
  }
  GlobalUnlock(source);
  if (!to && copy) GlobalFree(copy);
  return to ? copy : nullptr;
}

}  // namespace

CLIPFORMAT fileNameFormat() {
  static const CLIPFORMAT format = CLIPFORMAT(RegisterClipboardFormatW(L"FileNameW"));
  return format;
}

HGLOBAL globalFromBytes(const DropBytes& bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size());
  void* to = memory ? GlobalLock(memory) : nullptr;
  if (!to) {
    base::logFailure(u"global memory for a dragged block", GetLastError());
    if (memory) GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(to, bytes.data(), bytes.size());
  GlobalUnlock(memory);
  return memory;
}

BlockDataObject::BlockDataObject(const std::u16string& path) {
  if (HGLOBAL drop = globalFromBytes(dropFilesBytes({path}))) keep(globalFormat(CF_HDROP), drop);
  if (HGLOBAL name = globalFromBytes(fileNameBytes(path))) keep(globalFormat(fileNameFormat()), name);
}

BlockDataObject::~BlockDataObject() {
  for (Entry& entry : entries_) ReleaseStgMedium(&entry.medium);
}

HRESULT BlockDataObject::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
    *object = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG BlockDataObject::AddRef() { return ULONG(InterlockedIncrement(&references_)); }

ULONG BlockDataObject::Release() {
  LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return ULONG(left);
}

BlockDataObject::Entry* BlockDataObject::find(const FORMATETC& format) {
  for (Entry& entry : entries_) {
    if (entry.format.cfFormat == format.cfFormat && (entry.format.dwAspect & format.dwAspect) &&
        (entry.format.tymed & format.tymed))
      return &entry;
  }
  return nullptr;
}

void BlockDataObject::keep(const FORMATETC& format, HGLOBAL memory) {
  STGMEDIUM medium{};
  medium.tymed = TYMED_HGLOBAL;
  medium.hGlobal = memory;
  for (Entry& entry : entries_) {
    if (entry.format.cfFormat == format.cfFormat) {
      ReleaseStgMedium(&entry.medium);
      entry = Entry{format, medium};
      return;
    }
  }
  entries_.push_back(Entry{format, medium});
}

HRESULT BlockDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (!format || !medium) return E_INVALIDARG;
  Entry* entry = find(*format);
  if (!entry) return DV_E_FORMATETC;
  HGLOBAL copy = copyOfGlobal(entry->medium.hGlobal);
  if (!copy) return E_OUTOFMEMORY;
  *medium = STGMEDIUM{};
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = copy;
  return S_OK;
}

HRESULT BlockDataObject::QueryGetData(FORMATETC* format) {
  if (!format) return E_INVALIDARG;
  return find(*format) ? S_OK : DV_E_FORMATETC;
}

HRESULT BlockDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
  if (out) out->ptd = nullptr;
  return E_NOTIMPL;
}

// Only global memory is kept; a copy is taken unless the caller hands its medium over.
HRESULT BlockDataObject::SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) {
  if (!format || !medium) return E_INVALIDARG;
  if (format->tymed != TYMED_HGLOBAL || medium->tymed != TYMED_HGLOBAL) return DV_E_TYMED;
  bool takeOver = release && !medium->pUnkForRelease;
  HGLOBAL memory = takeOver ? medium->hGlobal : copyOfGlobal(medium->hGlobal);
  if (!memory) return E_OUTOFMEMORY;
  if (release && !takeOver) ReleaseStgMedium(medium);
  FORMATETC kept = *format;
  kept.ptd = nullptr;
  keep(kept, memory);
  return S_OK;
}

HRESULT BlockDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
  if (!formats) return E_INVALIDARG;
  if (direction != DATADIR_GET) return E_NOTIMPL;
  std::vector<FORMATETC> offered;
  for (const Entry& entry : entries_) offered.push_back(entry.format);
  return SHCreateStdEnumFmtEtc(UINT(offered.size()), offered.data(), formats);
}

}  // namespace thumbs
