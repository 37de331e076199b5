#include "update/HttpSourceWinInet.h"

#include <windows.h>
#include <wininet.h>

#include <string>
#include <utility>

#include "base/FailureLog.h"
#include "base/Text.h"
#include "base/WinText.h"
#include "update/SharedHttpSource.h"
#include "update/UpdateWalk.h"
#include "update/Url.h"

namespace update {

namespace {

// More hops than any sensible server set-up needs; a loop ends here.
constexpr int kMostRedirects = 8;

// One WinINet handle, closed with the object that holds it or when it is given another.
class InternetHandle {
public:
  explicit InternetHandle(HINTERNET handle = nullptr) : handle_(handle) {}
  ~InternetHandle() { reset(nullptr); }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  HINTERNET get() const { return handle_; }
  void reset(HINTERNET handle) {
    if (handle_) InternetCloseHandle(handle_);
    handle_ = handle;
  }
  HINTERNET release() { return std::exchange(handle_, nullptr); }

private:
  HINTERNET handle_;
};

// Why a request failed, for the failure log; certificate faults in words a support person can act on.
std::u16string reasonOf(DWORD code) {
  switch (code) {
    case ERROR_INTERNET_SEC_CERT_CN_INVALID: return u"the server's certificate is for another name";
    case ERROR_INTERNET_SEC_CERT_DATE_INVALID: return u"the server's certificate has expired or is not yet valid";
    case ERROR_INTERNET_INVALID_CA: return u"the server's certificate comes from an unknown issuer";
    case ERROR_INTERNET_SEC_CERT_REVOKED: return u"the server's certificate has been revoked";
    case ERROR_INTERNET_SEC_CERT_REV_FAILED:  // also what a chain whose issuer is nowhere to be found gives
      return u"the server's certificate could not be traced to a trusted issuer or checked for revocation";
    case ERROR_INTERNET_SEC_CERT_NO_REV: return u"the server's certificate could not be checked for revocation";
    case ERROR_INTERNET_SEC_CERT_ERRORS:
    case ERROR_INTERNET_SEC_INVALID_CERT: return u"the server's certificate does not hold";
    case ERROR_INTERNET_SECURITY_CHANNEL_ERROR: return u"no secure connection could be set up";
    default: return u"failed";
  }
}

// Logs a failed call for the URL with the system's error code (0 when the call itself worked).
void logFor(std::u16string_view what, const UrlParts& at, DWORD code, std::u16string_view outcome = u"failed") {
  base::logFailure(std::u16string(what) + u" " + joinUrl(at) + u": " + std::u16string(outcome), code);
}

HINTERNET connectTo(HINTERNET session, const UrlParts& at) {
  HINTERNET connection = InternetConnectW(session, base::wide(at.server), INTERNET_PORT(at.port), nullptr, nullptr,
                                          INTERNET_SERVICE_HTTP, 0, 1);
  if (!connection) logFor(u"connect for", at, GetLastError());
  return connection;
}

// Redirects are never left to WinINet: each hop is checked here before it is asked for.
HINTERNET openGetOn(HINTERNET connection, const UrlParts& at, CacheMode mode) {
  DWORD flags = DWORD(mode) | INTERNET_FLAG_NO_AUTO_REDIRECT | (at.secure ? INTERNET_FLAG_SECURE : 0);
  HINTERNET request =
      HttpOpenRequestW(connection, L"GET", base::wide(at.objectPath), nullptr, nullptr, nullptr, flags, 1);
  if (!request) logFor(u"open the request for", at, GetLastError());
  return request;
}

bool isRedirect(DWORD status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// A header's text; nothing when the answer has none.
std::optional<std::u16string> headerOf(HINTERNET request, DWORD header) {
  std::u16string text(256, u'\0');
  for (int attempt = 0; attempt < 2; ++attempt) {
    DWORD bytes = DWORD(text.size() * sizeof(char16_t));
    DWORD index = 0;
    if (HttpQueryInfoW(request, header, text.data(), &bytes, &index)) {
      text.resize(bytes / sizeof(char16_t));
      return text;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::nullopt;
    text.resize(bytes / sizeof(char16_t) + 1);
  }
  return std::nullopt;
}

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

// A GET that follows redirects up from http and along https, on the session it was opened in.
class WinInetRequest final : public HttpRequest {
public:
  WinInetRequest(HINTERNET session, UrlParts at, CacheMode mode, HINTERNET handle)
      : session_(session), at_(std::move(at)), mode_(mode), handle_(handle) {}

  bool send(const std::u16string& headers) override {
    for (int hop = 0;; ++hop) {
      if (!HttpSendRequestW(handle_.get(), headers.empty() ? nullptr : base::wide(headers), DWORD(headers.size()),
                            nullptr, 0)) {
        DWORD code = GetLastError();
        logFor(u"send the request for", at_, code, reasonOf(code));
        return false;
      }
      std::optional<uint32_t> status = statusCode();
      if (!status || !isRedirect(*status)) return true;
      std::optional<std::u16string> location = headerOf(handle_.get(), HTTP_QUERY_LOCATION);
      if (!location) return true;  // a redirect to nowhere: its status fails the fetch
      if (hop == kMostRedirects) {
        logFor(u"follow redirects from", at_, 0, u"too many in a row");
        return false;
      }
      if (!followTo(*location)) return false;
    }
  }

  std::optional<uint32_t> statusCode() override {
    DWORD status = 0;
    DWORD bytes = sizeof status;
    DWORD index = 0;
    if (!HttpQueryInfoW(handle_.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &bytes, &index)) {
      logFor(u"read the status of the answer from", at_, GetLastError());
      return std::nullopt;
    }
    return uint32_t(status);
  }

  std::optional<uint64_t> contentLength() override {
    std::optional<uint64_t> length = contentLengthOf(handle_.get());
    if (!length) logFor(u"read the Content-Length of the answer from", at_, GetLastError());
    return length;
  }

  std::optional<std::u16string> validator(Validator which) override {
    return headerOf(handle_.get(), which == Validator::ETag ? HTTP_QUERY_ETAG : HTTP_QUERY_LAST_MODIFIED);
  }

  std::optional<size_t> read(char* into, size_t capacity) override {
    DWORD got = 0;
    DWORD asked = capacity > 0x10000 ? 0x10000 : DWORD(capacity);
    if (!InternetReadFile(handle_.get(), into, asked, &got)) {
      logFor(u"read the answer from", at_, GetLastError());
      return std::nullopt;
    }
    return size_t(got);
  }

private:
  // Opens the request the Location names in place of this one; false when it is refused or fails.
  bool followTo(const std::u16string& location) {
    std::optional<UrlParts> next = redirectTarget(at_, location);
    if (!next) {
      logFor(u"follow the redirect from", at_, 0, u"refused, it leads to " + location);
      return false;
    }
    InternetHandle connection(connectTo(session_, *next));
    if (!connection.get()) return false;
    HINTERNET request = openGetOn(connection.get(), *next, mode_);
    if (!request) return false;
    handle_.reset(request);
    hopConnection_.reset(connection.release());
    at_ = std::move(*next);
    return true;
  }

  HINTERNET session_;  // outlives the request: a fetch closes its request first, its session last
  UrlParts at_;
  CacheMode mode_;
  InternetHandle hopConnection_;  // the connection of the latest redirect, declared before what uses it
  InternetHandle handle_;
};

class WinInetConnection final : public HttpConnection {
public:
  WinInetConnection(HINTERNET session, HINTERNET handle, UrlParts place)
      : session_(session), handle_(handle), place_(std::move(place)) {}

  std::unique_ptr<HttpRequest> openGet(const std::u16string& objectPath, CacheMode mode) override {
    UrlParts at = place_;
    at.objectPath = objectPath;
    HINTERNET request = openGetOn(handle_.get(), at, mode);
    if (!request) return nullptr;
    return std::make_unique<WinInetRequest>(session_, std::move(at), mode, request);
  }

private:
  HINTERNET session_;
  InternetHandle handle_;
  UrlParts place_;  // scheme, server and port
};

class WinInetSession final : public HttpSource {
public:
  explicit WinInetSession(HINTERNET handle) : handle_(handle) {}

  void setConnectTimeout(uint32_t ms) override { setNumber(INTERNET_OPTION_CONNECT_TIMEOUT, ms); }
  void setConnectRetries(uint32_t count) override { setNumber(INTERNET_OPTION_CONNECT_RETRIES, count); }

  std::unique_ptr<HttpConnection> connect(const std::u16string& server, uint16_t port, bool secure) override {
    UrlParts place;
    place.secure = secure;
    place.server = server;
    place.port = port;
    place.objectPath = u"/";
    HINTERNET connection = connectTo(handle_.get(), place);
    if (!connection) return nullptr;
    return std::make_unique<WinInetConnection>(handle_.get(), connection, std::move(place));
  }

private:
  void setNumber(DWORD option, uint32_t value) {
    DWORD number = value;
    if (!InternetSetOptionW(handle_.get(), option, &number, sizeof number))
      base::logFailure(u"set the internet option " + base::fromUtf8(std::to_string(option)), GetLastError());
  }

  InternetHandle handle_;
};

}  // namespace

std::unique_ptr<HttpSource> openWinInetSession() {
  HINTERNET session = InternetOpenW(L"Blockery", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  if (!session) {
    base::logFailure(u"open an internet session", GetLastError());
    return nullptr;
  }
  return std::make_unique<WinInetSession>(session);
}

FetchServices winInetFetchServices() {
  return {[] { return openWinInetSession(); }, std::make_shared<SystemClock>()};
}

FetchServices winInetWalkServices() {
  // Process-wide options: WinINet takes them on no handle only. HTTP/1.0 servers (Python's
  // http.server among them) have a limit of their own.
  DWORD most = DWORD(kFetchesAtOnce);
  for (DWORD option : {DWORD(INTERNET_OPTION_MAX_CONNS_PER_SERVER), DWORD(INTERNET_OPTION_MAX_CONNS_PER_1_0_SERVER)})
    if (!InternetSetOptionW(nullptr, option, &most, sizeof most))
      base::logFailure(u"raise the connections per server to " + base::decimal(most), GetLastError());
  return {sharedSessionFactory(openWinInetSession()), std::make_shared<SystemClock>()};
}

}  // namespace update
