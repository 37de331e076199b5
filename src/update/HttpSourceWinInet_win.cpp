#include "update/HttpSourceWinInet.h"

#include <windows.h>
#include <wininet.h>

#include <string>

#include "base/WinText.h"

namespace update {

namespace {

// One WinINet handle, closed with the object that holds it.
class InternetHandle {
public:
  explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
  ~InternetHandle() {
    if (handle_) InternetCloseHandle(handle_);
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  HINTERNET get() const { return handle_; }

private:
  HINTERNET handle_;
};

// Content-Length as text, so that files of 4 GB and more are measured right as well.
std::optional<uint64_t> contentLengthOf(HINTERNET request) {
  wchar_t text[32];
  DWORD bytes = sizeof text;
  DWORD index = 0;
  if (!HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH, text, &bytes, &index)) return std::nullopt;
  size_t length = bytes / sizeof(wchar_t);
  uint64_t value = 0;
  size_t i = 0;
  while (i < length && text[i] == L' ') ++i;
  size_t firstDigit = i;
  for (; i < length && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    if (value > (UINT64_MAX - 9) / 10) return std::nullopt;
    value = value * 10 + uint64_t(text[i] - L'0');
  }
  if (i == firstDigit) return std::nullopt;
  return value;
}

class WinInetRequest final : public HttpRequest {
public:
  explicit WinInetRequest(HINTERNET handle) : handle_(handle) {}

  bool send() override { return HttpSendRequestW(handle_.get(), nullptr, 0, nullptr, 0) != FALSE; }

  std::optional<uint32_t> statusCode() override {
    DWORD status = 0;
    DWORD bytes = sizeof status;
    DWORD index = 0;
    if (!HttpQueryInfoW(handle_.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &bytes, &index))
      return std::nullopt;
    return uint32_t(status);
  }

  std::optional<uint64_t> contentLength() override { return contentLengthOf(handle_.get()); }

  std::optional<size_t> read(char* into, size_t capacity) override {
    DWORD got = 0;
    DWORD asked = capacity > 0x10000 ? 0x10000 : DWORD(capacity);
    if (!InternetReadFile(handle_.get(), into, asked, &got)) return std::nullopt;
    return size_t(got);
  }

private:
  InternetHandle handle_;
};

class WinInetConnection final : public HttpConnection {
public:
  explicit WinInetConnection(HINTERNET handle) : handle_(handle) {}

  std::unique_ptr<HttpRequest> openGet(const std::u16string& objectPath, CacheMode mode) override {
    HINTERNET request = HttpOpenRequestW(handle_.get(), L"GET", base::wide(objectPath), nullptr, nullptr,
                                         nullptr, DWORD(mode), 1);
    if (!request) return nullptr;
    return std::make_unique<WinInetRequest>(request);
  }

private:
  InternetHandle handle_;
};

class WinInetSession final : public HttpSource {
public:
  explicit WinInetSession(HINTERNET handle) : handle_(handle) {}

  void setConnectTimeout(uint32_t ms) override { setNumber(INTERNET_OPTION_CONNECT_TIMEOUT, ms); }
  void setConnectRetries(uint32_t count) override { setNumber(INTERNET_OPTION_CONNECT_RETRIES, count); }

  std::unique_ptr<HttpConnection> connect(const std::u16string& server, uint16_t port) override {
    HINTERNET connection = InternetConnectW(handle_.get(), base::wide(server), INTERNET_PORT(port), nullptr,
                                            nullptr, INTERNET_SERVICE_HTTP, 0, 1);
    if (!connection) return nullptr;
    return std::make_unique<WinInetConnection>(connection);
  }

private:
  void setNumber(DWORD option, uint32_t value) {
    DWORD number = value;
    InternetSetOptionW(handle_.get(), option, &number, sizeof number);
  }

  InternetHandle handle_;
};

}  // namespace

std::unique_ptr<HttpSource> openWinInetSession() {
  HINTERNET session = InternetOpenW(L"Blockery", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  if (!session) return nullptr;
  return std::make_unique<WinInetSession>(session);
}

FetchServices winInetFetchServices() {
  return {[] { return openWinInetSession(); }, std::make_shared<SystemClock>()};
}

}  // namespace update
