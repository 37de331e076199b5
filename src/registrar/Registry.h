// The few registry operations Tetherling needs, so the association logic runs against the real
// registry on Windows and an in-memory one in tests. Key names and texts are narrow (ANSI) bytes.
#pragma once
#include <string>

namespace registrar {

enum class RegistryRoot { ClassesRoot, CurrentUser };

class Registry {
public:
  virtual ~Registry() = default;

  // Creates the key (and any missing parents) or opens it, and sets its default value.
  // A key that cannot be created is skipped silently.
  virtual void writeDefault(RegistryRoot root, const std::string& key, const std::string& text) = 0;
  // Sets the default value only when the key already exists; never creates anything.
  // Returns whether the key could be opened.
  virtual bool rewriteExistingDefault(RegistryRoot root, const std::string& key, const std::string& text) = 0;
  // Deletes a key that has no sub-keys; a missing key or one with sub-keys stays as it is.
  virtual void deleteKey(RegistryRoot root, const std::string& key) = 0;
  // Tells the shell that file associations changed, so it rereads them.
  virtual void announceAssociationChange() = 0;
};

}  // namespace registrar
