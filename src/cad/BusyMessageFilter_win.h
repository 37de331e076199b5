// Windows side. While it lives, this thread's COM calls that a busy program refuses are made again
// by COM itself, every 250 ms for at most 5 s, as BusyRetry.h does by hand. Windows calls a
// message filter's retry; Wine never does, which is why the hand-made loop stays.
#pragma once
#include <objidl.h>

namespace cad {

class BusyMessageFilter {
public:
  BusyMessageFilter();
  ~BusyMessageFilter();
  BusyMessageFilter(const BusyMessageFilter&) = delete;
  BusyMessageFilter& operator=(const BusyMessageFilter&) = delete;

private:
  IMessageFilter* previous_ = nullptr;
  bool registered_ = false;
};

}  // namespace cad
