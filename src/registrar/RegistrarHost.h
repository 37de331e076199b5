// What Tetherling needs from the system besides the registry: its own path, a file copy and the
// console. Narrow (ANSI) bytes throughout.
#pragma once
#include <string>
#include <string_view>

namespace registrar {

class RegistrarHost {
public:
  virtual ~RegistrarHost() = default;

  // The running program's full path as the system reports it into a 260-byte buffer.
  virtual std::string modulePath() = 0;
  // Copies source over destination, replacing an existing destination. True on success.
  virtual bool copyFile(const std::string& source, const std::string& destination) = 0;
  // Writes to standard output exactly these bytes.
  virtual void print(std::string_view text) = 0;
  // Waits for one character on standard input (returns at once when there is none).
  virtual void readOneCharacter() = 0;
};

}  // namespace registrar
