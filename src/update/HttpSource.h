// The HTTP client a download runs over: a session, one connection per fetch, one GET request.
// Windows uses WinINet; tests use a scripted fake. Every failure is a return value, never an exception.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace update {

// The request flags by kind of file. Markup files always come from the server; no file is kept in
// the system's cache (a block would be stored twice).
enum class CacheMode : uint32_t {
  FromServerOnly = 0x84000000u,  // INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE
  NoCacheWrite = 0x24000000u,    // INTERNET_FLAG_EXISTING_CONNECT | INTERNET_FLAG_NO_CACHE_WRITE
};

// The validators a server sends with a file and takes back in a conditional request.
enum class Validator { ETag, LastModified };

class HttpRequest {
public:
  virtual ~HttpRequest() = default;  // closes the request
  // False when the server is unreachable, refuses, does not answer in time, or (https) shows a
  // certificate that does not hold. Redirects are followed before the answer counts. headers:
  // request header lines to add, each ended by CR LF; empty for none.
  virtual bool send(const std::u16string& headers) = 0;
  virtual std::optional<uint32_t> statusCode() = 0;
  // The Content-Length header as a number; nullopt when the answer has none.
  virtual std::optional<uint64_t> contentLength() = 0;
  // Up to capacity bytes of the body; 0 at its end; nullopt when the connection broke.
  virtual std::optional<size_t> read(char* into, size_t capacity) = 0;
  // The answer's ETag or Last-Modified header as the server sent it; nullopt when it sent none.
  virtual std::optional<std::u16string> validator(Validator which) = 0;
};

class HttpConnection {
public:
  virtual ~HttpConnection() = default;  // closes the connection
  // A GET of objectPath (beginning with "/"), not yet sent; nullptr when it cannot be opened.
  virtual std::unique_ptr<HttpRequest> openGet(const std::u16string& objectPath, CacheMode mode) = 0;
};

class HttpSource {
public:
  virtual ~HttpSource() = default;  // closes the session
  virtual void setConnectTimeout(uint32_t ms) = 0;
  virtual void setConnectRetries(uint32_t count) = 0;
  // nullptr when no connection object can be made (an unreachable server shows only at send()).
  // secure: https, the server's certificate checked; a request never goes on without it.
  virtual std::unique_ptr<HttpConnection> connect(const std::u16string& server, uint16_t port, bool secure) = 0;
};

// Opens a fresh session for one fetch; called on the worker's thread.
using HttpSourceFactory = std::function<std::unique_ptr<HttpSource>()>;

}  // namespace update
