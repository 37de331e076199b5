#include "cad/AutomationObject_win.h"

#include <utility>

#include "base/TickClock.h"
#include "cad/BusyRetry.h"

namespace cad {

AutomationObject::AutomationObject(AutomationObject&& other) noexcept
    : object_(std::exchange(other.object_, nullptr)), pause_(std::move(other.pause_)) {}

AutomationObject& AutomationObject::operator=(AutomationObject&& other) noexcept {
  if (this != &other) {
    if (object_) object_->Release();
    object_ = std::exchange(other.object_, nullptr);
    pause_ = std::move(other.pause_);
  }
  return *this;
}

AutomationObject::~AutomationObject() {
  if (object_) object_->Release();
}

const void* AutomationObject::identity() const {
  IUnknown* unknown = nullptr;
  if (!object_ || FAILED(object_->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)))) return object_;
  unknown->Release();  // the object lives on through object_, so the pointer stays meaningful
  return unknown;
}

// The name is looked up on every try: the lookup is a call into the other program too.
HRESULT AutomationObject::invoke(const wchar_t* name, WORD kind, DISPPARAMS& parameters, VARIANT& result) const {
  if (!object_) return E_POINTER;
  auto once = [&]() -> int32_t {
    DISPID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT found = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(found)) return found;
    VariantClear(&result);
    return object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters, &result, nullptr, nullptr);
  };
  return callWhileBusy(once, pause_, base::tickCount);
}

HRESULT AutomationObject::getNumber(const wchar_t* name, int64_t& value) const {
  DISPPARAMS none{};
  VARIANT result;
  VariantInit(&result);
  HRESULT answer = invoke(name, DISPATCH_PROPERTYGET, none, result);
  if (SUCCEEDED(answer)) answer = VariantChangeType(&result, &result, 0, VT_I8);
  if (SUCCEEDED(answer)) value = result.llVal;
  VariantClear(&result);
  return answer;
}

HRESULT AutomationObject::getObject(const wchar_t* name, AutomationObject& value) const {
  DISPPARAMS none{};
  VARIANT result;
  VariantInit(&result);
  HRESULT answer = invoke(name, DISPATCH_PROPERTYGET, none, result);
  if (SUCCEEDED(answer) && (result.vt != VT_DISPATCH || !result.pdispVal)) answer = DISP_E_TYPEMISMATCH;
  if (SUCCEEDED(answer)) {
    value = AutomationObject(result.pdispVal, pause_);
    result.vt = VT_EMPTY;  // the reference went to value
  }
  VariantClear(&result);
  return answer;
}

HRESULT AutomationObject::call(const wchar_t* name, const std::u16string& text) const {
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_BSTR;
  argument.bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), UINT(text.size()));
  if (!argument.bstrVal) return E_OUTOFMEMORY;
  DISPPARAMS parameters{&argument, nullptr, 1, 0};
  VARIANT result;
  VariantInit(&result);
  HRESULT answer = invoke(name, DISPATCH_METHOD, parameters, result);
  VariantClear(&result);
  VariantClear(&argument);
  return answer;
}

}  // namespace cad
