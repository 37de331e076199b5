#include "base/Trace.h"

#include <mutex>

#include "base/TraceOutput.h"

namespace base {

namespace {

std::mutex sinkLock;
TraceSink& sink() {
  static TraceSink instance;
  return instance;
}

}  // namespace

void trace(std::u16string_view line) {
  std::lock_guard<std::mutex> hold(sinkLock);
  if (sink())
    sink()(line);
  else
    writeTraceOutput(line);
}

void setTraceSink(TraceSink newSink) {
  std::lock_guard<std::mutex> hold(sinkLock);
  sink() = std::move(newSink);
}

}  // namespace base
