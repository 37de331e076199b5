// Windows side. A running program's automation object, driven late-bound through IDispatch by
// member name: no type library is needed. Every call that a busy program refuses is made again
// for a while (BusyRetry.h), pausing with the given wait.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <functional>
#include <string>

namespace cad {

class AutomationObject {
public:
  using Pause = std::function<void(uint32_t)>;

  AutomationObject() = default;
  AutomationObject(IDispatch* object, Pause pause) : object_(object), pause_(std::move(pause)) {}  // takes the reference
  AutomationObject(AutomationObject&& other) noexcept;
  AutomationObject& operator=(AutomationObject&& other) noexcept;
  ~AutomationObject();

  explicit operator bool() const { return object_ != nullptr; }
  // The object's identity, equal for two references to one object.
  const void* identity() const;

  // A property whose value is a number (a window handle, for instance).
  HRESULT getNumber(const wchar_t* name, int64_t& value) const;
  // A property whose value is another automation object.
  HRESULT getObject(const wchar_t* name, AutomationObject& value) const;
  // A method taking one text.
  HRESULT call(const wchar_t* name, const std::u16string& text) const;

private:
  HRESULT invoke(const wchar_t* name, WORD kind, DISPPARAMS& parameters, VARIANT& result) const;

  IDispatch* object_ = nullptr;
  Pause pause_;
};

}  // namespace cad
