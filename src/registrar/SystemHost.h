// Tetherling's own module path, CopyFileA and the C runtime's standard streams.
#pragma once
#include "registrar/RegistrarHost.h"

namespace registrar {

class SystemHost final : public RegistrarHost {
public:
  std::string modulePath() override;
  bool copyFile(const std::string& source, const std::string& destination) override;
  void print(std::string_view text) override;
  void readOneCharacter() override;
};

}  // namespace registrar
