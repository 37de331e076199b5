// The stand-in host's drop target: files dropped on its window are taken as copies, as a CAD
// program takes a dragged DWG file to insert; the first path goes to the window's callback.
#pragma once
#include <windows.h>
#include <ole2.h>

#include <functional>
#include <string>

namespace standin {

class HostDropTarget : public IDropTarget {
public:
  explicit HostDropTarget(std::function<void(const std::u16string&)> dropped) : dropped_(std::move(dropped)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  // The window owns the target and revokes it before it goes.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

private:
  bool filesOffered_ = false;
  std::function<void(const std::u16string&)> dropped_;
};

}  // namespace standin
