// A file read as the runtime's byte streams read it ("rb"), keeping the system's error number and
// message of the last failure, for callers that report them.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace base {

class ReadStream {
public:
  explicit ReadStream(const std::u16string& path);
  ~ReadStream();
  ReadStream(const ReadStream&) = delete;
  ReadStream& operator=(const ReadStream&) = delete;

  bool isOpen() const { return file_ != nullptr; }
  // Seeks to the end, reads the position and seeks back to the start.
  std::optional<uint64_t> size();
  bool seek(uint64_t offset);
  // Reads up to bytes; true when the read reached that many or the end of the file without error.
  bool read(void* buffer, size_t bytes, size_t& got);
  bool close();

  // The system error of the last failure: its number and the first line of its message.
  uint32_t errorNumber() const { return errorNumber_; }
  const std::u16string& errorMessage() const { return errorMessage_; }

private:
  void fail();

  void* file_ = nullptr;
  uint32_t errorNumber_ = 0;
  std::u16string errorMessage_;
};

}  // namespace base
