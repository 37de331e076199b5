// Windows side. The data object a block is dragged in: its DWG path as a file drop (CF_HDROP)
// and as FileNameW, both rendered in global memory from FileDrop's bytes. Other formats given
// with SetData (the drag image helper keeps its picture in the object) are kept as given.
#pragma once
#include <windows.h>
#include <ole2.h>

#include <string>
#include <vector>

#include "thumbs/FileDrop.h"

namespace thumbs {

// The registered clipboard format "FileNameW".
CLIPFORMAT fileNameFormat();
// Movable global memory holding the bytes; nullptr when it cannot be had.
HGLOBAL globalFromBytes(const DropBytes& bytes);

class BlockDataObject final : public IDataObject {
public:
  // The object starts with one reference, the caller's.
  explicit BlockDataObject(const std::u16string& path);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override;
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
  struct Entry {
    FORMATETC format;
    STGMEDIUM medium;
  };
  ~BlockDataObject();
  Entry* find(const FORMATETC& format);
  void keep(const FORMATETC& format, HGLOBAL memory);

  LONG references_ = 1;
  std::vector<Entry> entries_;
};

}  // namespace thumbs
