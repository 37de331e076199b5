#include "base/FailureLog.h"

#include <cstdio>
#include <ctime>
#include <mutex>

#include "base/Files.h"
#include "base/Text.h"
#include "base/Trace.h"

namespace base {

namespace {

std::mutex logLock;
std::u16string& logFile() {
  static std::u16string path;
  return path;
}

std::u16string localStamp() {
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  if (const std::tm* local = std::localtime(&now)) parts = *local;  // under logLock
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", parts.tm_year + 1900, parts.tm_mon + 1,
                parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec);
  return fromUtf8(text);
}

// Over the limit, the file is rewritten with its newer half; a second program trimming at the same
// moment costs at most some lines, never the file.
void keepUnderLimit(const std::u16string& path) {
  auto bytes = files::size(path);
  if (!bytes || *bytes <= kFailureLogLimit) return;
  std::string log;
  if (!files::readWhole(path, log)) return;
  std::u16string scratch = files::scratchFor(path);
  if (files::writeWhole(scratch, newerHalf(log)) && files::replaceAtomically(scratch, path)) return;
  files::remove(scratch);
}

}  // namespace

void setFailureLogFile(std::u16string path) {
  std::lock_guard<std::mutex> hold(logLock);
  logFile() = std::move(path);
}

std::u16string failureLine(std::u16string_view stamp, std::u16string_view what, uint32_t code) {
  std::u16string line(stamp);
  line += u' ';
  line += what;
  if (code != 0) line += (Format(u" (error %d)") % int64_t(code)).str();
  return line;
}

std::string_view newerHalf(std::string_view log) {
  std::string_view half = log.substr(log.size() / 2);
  if (log.size() / 2 > 0 && log[log.size() / 2 - 1] == '\n') return half;
  size_t lineEnd = half.find('\n');
  return lineEnd == std::string_view::npos ? std::string_view() : half.substr(lineEnd + 1);
}

void logFailure(std::u16string_view what, uint32_t code) {
  std::lock_guard<std::mutex> hold(logLock);
  std::u16string line = failureLine(localStamp(), what, code);
  trace(line);
  if (logFile().empty()) return;
  files::append(logFile(), toUtf8(line) + "\r\n");
  keepUnderLimit(logFile());
}

}  // namespace base
