#include "cad/BusyMessageFilter_win.h"

#include "cad/BusyRetry.h"

namespace cad {

namespace {

// One filter for the thread, never freed: COM may hold it while a call is on its way.
class RetryingFilter : public IMessageFilter {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_IMessageFilter) {
      *object = static_cast<IMessageFilter*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override {
    return SERVERCALL_ISHANDLED;
  }
  // The answer is the pause before the next try, or -1 to give up.
  DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD elapsed, DWORD) override {
    return elapsed < kBusyLimit ? kBusyPause : DWORD(-1);
  }
  DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override { return PENDINGMSG_WAITDEFPROCESS; }
};

RetryingFilter filter;

}  // namespace

BusyMessageFilter::BusyMessageFilter() { registered_ = SUCCEEDED(CoRegisterMessageFilter(&filter, &previous_)); }

BusyMessageFilter::~BusyMessageFilter() {
  if (!registered_) return;
  CoRegisterMessageFilter(previous_, nullptr);
  if (previous_) previous_->Release();
}

}  // namespace cad
