// One internet session shared by the fetches of a walk, so that connections to the server are kept
// and reused from one block to the next. Each fetch gets a handle that forwards to the session; the
// session closes when the walk and its last fetch have let go of it.
#pragma once
#include <memory>
#include <utility>

#include "update/HttpSource.h"

namespace update {

class SharedHttpSource final : public HttpSource {
public:
  explicit SharedHttpSource(std::shared_ptr<HttpSource> session) : session_(std::move(session)) {}

  void setConnectTimeout(uint32_t ms) override { session_->setConnectTimeout(ms); }
  void setConnectRetries(uint32_t count) override { session_->setConnectRetries(count); }
  std::unique_ptr<HttpConnection> connect(const std::u16string& server, uint16_t port, bool secure) override {
    return session_->connect(server, port, secure);
  }

private:
  std::shared_ptr<HttpSource> session_;
};

// A factory whose sessions all forward to one opened now; a factory that gives none when it fails.
inline HttpSourceFactory sharedSessionFactory(std::unique_ptr<HttpSource> opened) {
  if (!opened) return [] { return std::unique_ptr<HttpSource>(); };
  std::shared_ptr<HttpSource> session = std::move(opened);
  return [session] { return std::unique_ptr<HttpSource>(std::make_unique<SharedHttpSource>(session)); };
}

}  // namespace update
