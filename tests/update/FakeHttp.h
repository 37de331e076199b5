// A scripted HTTP source: answers by object path, moves a fake clock while the body is read,
// and records what was asked and in which order things were closed.
#pragma once
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "update/HttpSource.h"

namespace update_tests {

struct FakeAnswer {
  bool reachable = true;                 // false: the request cannot be sent
  uint32_t status = 200;
  std::string body;
  std::optional<uint64_t> contentLength; // announced length; the body's own size when unset
  bool lengthMissing = false;            // no Content-Length header at all
  std::optional<size_t> breakAfter;      // the connection breaks once this many bytes went out
  uint32_t msPerRead = 0;                // fake time spent in every read
  std::u16string etag;                   // sent with a 200; a request sending it back gets 304
  std::u16string lastModified;           // sent with a 200
};

// Everything the fake saw. Guarded, because workers run on threads of their own.
struct FakeHttpLog {
  std::mutex lock;
  std::vector<std::string> events;  // "session", "connect", "open", "send", "read", "close request", ...
  std::vector<uint32_t> connectTimeouts;
  std::vector<uint32_t> connectRetries;
  std::u16string server;
  uint16_t port = 0;
  std::vector<std::u16string> paths;
  std::vector<update::CacheMode> modes;
  std::vector<std::u16string> sentHeaders;
  size_t largestReadCapacity = 0;

  void add(std::string event) {
    std::lock_guard<std::mutex> hold(lock);
    events.push_back(std::move(event));
  }
  size_t count(const std::string& event) {
    std::lock_guard<std::mutex> hold(lock);
    return size_t(std::count(events.begin(), events.end(), event));
  }
  std::vector<std::string> closes() {
    std::lock_guard<std::mutex> hold(lock);
    std::vector<std::string> picked;
    for (const std::string& e : events)
      if (e.rfind("close", 0) == 0) picked.push_back(e);
    return picked;
  }
};

class FakeHttpServer {
public:
  explicit FakeHttpServer(std::shared_ptr<FakeClock> clock) : clock_(std::move(clock)) {}

  void answer(const std::u16string& objectPath, FakeAnswer answer) { answers_[objectPath] = {std::move(answer)}; }
  // One answer per request, in turn; the last one answers every request after it.
  void answerInTurn(const std::u16string& objectPath, std::vector<FakeAnswer> answers) {
    answers_[objectPath] = std::move(answers);
  }
  FakeHttpLog& log() { return *log_; }
  // A factory for fetch workers: each call opens a fresh session on this server.
  update::HttpSourceFactory factory();
  std::unique_ptr<update::HttpSource> openSession();

private:
  class Session;
  class Connection;
  class Request;

  std::shared_ptr<FakeClock> clock_;
  mutable std::map<std::u16string, std::vector<FakeAnswer>> answers_;  // guarded by the log's lock
  std::shared_ptr<FakeHttpLog> log_ = std::make_shared<FakeHttpLog>();
};

class FakeHttpServer::Request final : public update::HttpRequest {
public:
  Request(FakeAnswer answer, std::shared_ptr<FakeHttpLog> log, std::shared_ptr<FakeClock> clock)
      : answer_(std::move(answer)), log_(std::move(log)), clock_(std::move(clock)) {}
  ~Request() override { log_->add("close request"); }

  bool send(const std::u16string& headers) override {
    {
      std::lock_guard<std::mutex> hold(log_->lock);
      log_->events.push_back("send");
      log_->sentHeaders.push_back(headers);
    }
    if (!answer_.etag.empty() && headers.find(u"If-None-Match: " + answer_.etag + u"\r\n") != std::u16string::npos) {
      answer_.status = 304;
      answer_.body.clear();
    }
    return answer_.reachable;
  }
  std::optional<std::u16string> validator(update::Validator which) override {
    const std::u16string& value = which == update::Validator::ETag ? answer_.etag : answer_.lastModified;
    if (value.empty()) return std::nullopt;
    return value;
  }
  std::optional<uint32_t> statusCode() override { return answer_.status; }
  std::optional<uint64_t> contentLength() override {
    if (answer_.lengthMissing) return std::nullopt;
    return answer_.contentLength ? *answer_.contentLength : uint64_t(answer_.body.size());
  }
  std::optional<size_t> read(char* into, size_t capacity) override {
    log_->add("read");
    {
      std::lock_guard<std::mutex> hold(log_->lock);
      log_->largestReadCapacity = std::max(log_->largestReadCapacity, capacity);
    }
    clock_->advance(answer_.msPerRead);
    size_t end = answer_.body.size();
    if (answer_.breakAfter) {
      if (offset_ >= *answer_.breakAfter) return std::nullopt;
      end = std::min(end, *answer_.breakAfter);
    }
    size_t count = std::min(capacity, end - offset_);
    std::memcpy(into, answer_.body.data() + offset_, count);
    offset_ += count;
    return count;
  }

private:
  FakeAnswer answer_;
  std::shared_ptr<FakeHttpLog> log_;
  std::shared_ptr<FakeClock> clock_;
  size_t offset_ = 0;
};

class FakeHttpServer::Connection final : public update::HttpConnection {
public:
  Connection(const FakeHttpServer& server) : server_(server) {}
  ~Connection() override { server_.log_->add("close connection"); }

  std::unique_ptr<update::HttpRequest> openGet(const std::u16string& objectPath, update::CacheMode mode) override {
    std::lock_guard<std::mutex> hold(server_.log_->lock);
    server_.log_->events.push_back("open");
    server_.log_->paths.push_back(objectPath);
    server_.log_->modes.push_back(mode);
    auto found = server_.answers_.find(objectPath);
    FakeAnswer answer;
    if (found != server_.answers_.end() && !found->second.empty()) {
      answer = found->second.front();
      if (found->second.size() > 1) found->second.erase(found->second.begin());
    } else {
      answer.status = 404;
      answer.body = "not here";
    }
    return std::make_unique<Request>(answer, server_.log_, server_.clock_);
  }

private:
  const FakeHttpServer& server_;
};

class FakeHttpServer::Session final : public update::HttpSource {
public:
  explicit Session(const FakeHttpServer& server) : server_(server) { server_.log_->add("session"); }
  ~Session() override { server_.log_->add("close session"); }

  void setConnectTimeout(uint32_t ms) override {
    std::lock_guard<std::mutex> hold(server_.log_->lock);
    server_.log_->connectTimeouts.push_back(ms);
  }
  void setConnectRetries(uint32_t count) override {
    std::lock_guard<std::mutex> hold(server_.log_->lock);
    server_.log_->connectRetries.push_back(count);
  }
  std::unique_ptr<update::HttpConnection> connect(const std::u16string& server, uint16_t port, bool) override {
    {
      std::lock_guard<std::mutex> hold(server_.log_->lock);
      server_.log_->events.push_back("connect");
      server_.log_->server = server;
      server_.log_->port = port;
    }
    return std::make_unique<Connection>(server_);
  }

private:
  const FakeHttpServer& server_;
};

inline std::unique_ptr<update::HttpSource> FakeHttpServer::openSession() {
  return std::make_unique<Session>(*this);
}

inline update::HttpSourceFactory FakeHttpServer::factory() {
  return [this] { return openSession(); };
}

}  // namespace update_tests
