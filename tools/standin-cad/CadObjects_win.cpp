#include "CadObjects_win.h"

#include <string>
#include <vector>

#include "../standin-host/Output.h"
#include "base/Text.h"
#include "base/WinText.h"

namespace standin {

namespace {

struct Member {
  const wchar_t* name;
  DISPID id;
};

// IUnknown and IDispatch by name lookup over a table; the members themselves are the subclass's.
class DispatchObject : public IDispatch {
public:
  explicit DispatchObject(CadState& state) : state_(state) {}
  virtual ~DispatchObject() = default;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid != IID_IUnknown && iid != IID_IDispatch) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    if (count == 0) return DISP_E_UNKNOWNNAME;
    for (const Member& member : members()) {
      if (_wcsicmp(member.name, names[0]) == 0) {
        ids[0] = member.id;
        return S_OK;
      }
    }
    writeLine(state_.log, u"unknown " + base::fromWide(names[0]));
    return DISP_E_UNKNOWNNAME;
  }

protected:
  virtual std::vector<Member> members() const = 0;
  CadState& state_;

private:
  ULONG references_ = 1;
};

class Document : public DispatchObject {
public:
  using DispatchObject::DispatchObject;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT*,
                                   EXCEPINFO*, UINT*) override {
    if (id != 1 || !(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
    if (!parameters || parameters->cArgs != 1 || parameters->rgvarg[0].vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
    if (state_.rejectsLeft > 0) {
      --state_.rejectsLeft;
      writeLine(state_.log, u"rejected");
      return RPC_E_CALL_REJECTED;
    }
    BSTR text = parameters->rgvarg[0].bstrVal;
    std::u16string command = base::fromWide(text, SysStringLen(text));
    base::replaceAll(command, u"\x1B", u"<esc>");
    base::replaceAll(command, u"\r", u"<cr>");
    writeLine(state_.log, u"command " + command);
    return S_OK;
  }

protected:
  std::vector<Member> members() const override { return {{L"SendCommand", 1}}; }
};

class Application : public DispatchObject {
public:
  using DispatchObject::DispatchObject;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                   UINT*) override {
    if (!(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
    VariantInit(result);
    if (id == 1) {
      writeLine(state_.log, u"get ActiveDocument");
      result->vt = VT_DISPATCH;
      result->pdispVal = new Document(state_);
      return S_OK;
    }
    if (id == 2) {
      writeLine(state_.log, u"get HWND");
      result->vt = VT_I8;
      result->llVal = int64_t(reinterpret_cast<intptr_t>(state_.window));
      return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
  }

protected:
  std::vector<Member> members() const override { return {{L"ActiveDocument", 1}, {L"HWND", 2}}; }
};

}  // namespace

IDispatch* makeApplication(CadState& state) { return new Application(state); }

}  // namespace standin
