// The Windows registry through the narrow (ANSI) registry functions, and the shell's
// association-change notification.
#pragma once
#include "registrar/Registry.h"

namespace registrar {

class SystemRegistry final : public Registry {
public:
  void writeDefault(RegistryRoot root, const std::string& key, const std::string& text) override;
  bool rewriteExistingDefault(RegistryRoot root, const std::string& key, const std::string& text) override;
  void deleteKey(RegistryRoot root, const std::string& key) override;
  void announceAssociationChange() override;
};

}  // namespace registrar
