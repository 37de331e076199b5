#include "SocketHttpSource.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <string>

#include "base/Text.h"

namespace update_tests {

namespace {

int connectWithin(const std::string& address, uint16_t port, uint32_t timeoutMs) {
  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = htons(port);
  if (inet_pton(AF_INET, address.c_str(), &target.sin_addr) != 1) return -1;
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return -1;
  if (::connect(fd, reinterpret_cast<sockaddr*>(&target), sizeof target) != 0 && errno != EINPROGRESS) {
    ::close(fd);
    return -1;
  }
  pollfd wait{fd, POLLOUT, 0};
  int error = 0;
  socklen_t size = sizeof error;
  if (::poll(&wait, 1, int(timeoutMs)) != 1 || ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error) {
    ::close(fd);
    return -1;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

class SocketRequest final : public update::HttpRequest {
public:
  SocketRequest(std::string address, uint16_t port, std::string path, uint32_t connectMs, uint32_t retries,
                uint32_t receiveMs)
      : address_(std::move(address)), port_(port), path_(std::move(path)), connectMs_(connectMs),
        retries_(retries), receiveMs_(receiveMs) {}
  ~SocketRequest() override {
    if (fd_ >= 0) ::close(fd_);
  }

  bool send(const std::u16string& headers) override {
    for (uint32_t attempt = 0; fd_ < 0 && attempt <= retries_; ++attempt) fd_ = connectWithin(address_, port_, connectMs_);
    if (fd_ < 0) return false;
    timeval limit{time_t(receiveMs_ / 1000), suseconds_t((receiveMs_ % 1000) * 1000)};
    ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    std::string line = "GET " + path_ + " HTTP/1.0\r\nHost: " + address_ + "\r\n" + base::toUtf8(headers) + "\r\n";
    if (::send(fd_, line.data(), line.size(), MSG_NOSIGNAL) != ssize_t(line.size())) return false;
    return readHead();
  }
  std::optional<uint32_t> statusCode() override { return status_; }
  std::optional<uint64_t> contentLength() override { return length_; }
  std::optional<std::u16string> validator(update::Validator which) override {
    std::string name = which == update::Validator::ETag ? "\r\nETag: " : "\r\nLast-Modified: ";
    size_t at = head_.find(name);
    if (at == std::string::npos) return std::nullopt;
    at += name.size();
    return base::fromUtf8(head_.substr(at, head_.find("\r\n", at) - at));
  }
  // Like WinINet, the body ends at its Content-Length: bytes beyond it are never handed over.
  std::optional<size_t> read(char* into, size_t capacity) override {
    if (length_) {
      if (delivered_ >= *length_) return 0;
      capacity = size_t(std::min<uint64_t>(capacity, *length_ - delivered_));
    }
    std::optional<size_t> got = readOnward(into, capacity);
    if (got) delivered_ += *got;
    return got;
  }

private:
  std::optional<size_t> readOnward(char* into, size_t capacity) {
    if (!buffered_.empty()) {
      size_t count = std::min(capacity, buffered_.size());
      std::memcpy(into, buffered_.data(), count);
      buffered_.erase(0, count);
      return count;
    }
    ssize_t got = ::recv(fd_, into, capacity, 0);
    if (got < 0) return std::nullopt;
    return size_t(got);
  }

  bool readHead() {
    char piece[1024];
    size_t end;
    while ((end = buffered_.find("\r\n\r\n")) == std::string::npos) {
      ssize_t got = ::recv(fd_, piece, sizeof piece, 0);
      if (got <= 0) return false;
      buffered_.append(piece, size_t(got));
    }
    std::string head = buffered_.substr(0, end + 2);
    head_ = head;
    buffered_.erase(0, end + 4);
    size_t space = head.find(' ');
    if (space == std::string::npos) return false;
    status_ = uint32_t(std::strtoul(head.c_str() + space + 1, nullptr, 10));
    size_t at = head.find("\r\nContent-Length:");
    if (at != std::string::npos) length_ = std::strtoull(head.c_str() + at + 17, nullptr, 10);
    return true;
  }

  std::string address_;
  uint16_t port_;
  std::string path_;
  uint32_t connectMs_, retries_, receiveMs_;
  int fd_ = -1;
  std::string buffered_;
  std::string head_;
  std::optional<uint32_t> status_;
  std::optional<uint64_t> length_;
  uint64_t delivered_ = 0;
};

class SocketConnection final : public update::HttpConnection {
public:
  SocketConnection(std::string address, uint16_t port, uint32_t connectMs, uint32_t retries, uint32_t receiveMs)
      : address_(std::move(address)), port_(port), connectMs_(connectMs), retries_(retries), receiveMs_(receiveMs) {}
  std::unique_ptr<update::HttpRequest> openGet(const std::u16string& objectPath, update::CacheMode) override {
    return std::make_unique<SocketRequest>(address_, port_, base::toUtf8(objectPath), connectMs_, retries_,
                                           receiveMs_);
  }

private:
  std::string address_;
  uint16_t port_;
  uint32_t connectMs_, retries_, receiveMs_;
};

class SocketSession final : public update::HttpSource {
public:
  explicit SocketSession(uint32_t receiveMs) : receiveMs_(receiveMs) {}
  void setConnectTimeout(uint32_t ms) override { connectMs_ = ms; }
  void setConnectRetries(uint32_t count) override { retries_ = count; }
  std::unique_ptr<update::HttpConnection> connect(const std::u16string& server, uint16_t port, bool secure) override {
    if (secure) return nullptr;  // plain HTTP only; https is tested through WinINet under Wine
    return std::make_unique<SocketConnection>(base::toUtf8(server), port, connectMs_, retries_, receiveMs_);
  }

private:
  uint32_t receiveMs_;
  uint32_t connectMs_ = 60000;
  uint32_t retries_ = 0;
};

}  // namespace

std::unique_ptr<update::HttpSource> openSocketSession(uint32_t receiveTimeoutMs) {
  return std::make_unique<SocketSession>(receiveTimeoutMs);
}

}  // namespace update_tests
