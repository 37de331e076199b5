#include "registrar/SystemRegistry.h"

#include <windows.h>
#include <shlobj.h>

#include "base/FailureLog.h"
#include "base/Text.h"

namespace registrar {

namespace {

HKEY rootKey(RegistryRoot root) {
  return root == RegistryRoot::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
}

void logFailure(const char* what, const std::string& key, LONG code) {
  base::logFailure(base::fromUtf8(what) + base::fromUtf8(key), uint32_t(code));
}

// Sets the default value of an open key; the length counts the terminating NUL.
void setDefault(HKEY key, const std::string& name, const std::string& text) {
  LONG done = RegSetValueA(key, "", REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
  if (done != ERROR_SUCCESS) logFailure("set the default value of ", name, done);
}

}  // namespace

void SystemRegistry::writeDefault(RegistryRoot root, const std::string& key, const std::string& text) {
  HKEY opened = nullptr;
  LONG created = RegCreateKeyA(rootKey(root), key.c_str(), &opened);
  if (created != ERROR_SUCCESS) return logFailure("create the registry key ", key, created);
  setDefault(opened, key, text);
  RegCloseKey(opened);
}

bool SystemRegistry::rewriteExistingDefault(RegistryRoot root, const std::string& key, const std::string& text) {
  HKEY opened = nullptr;
  LONG found = RegOpenKeyA(rootKey(root), key.c_str(), &opened);
  if (found != ERROR_SUCCESS) {
    if (found != ERROR_FILE_NOT_FOUND) logFailure("open the registry key ", key, found);
    return false;
  }
  setDefault(opened, key, text);
  RegCloseKey(opened);
  return true;
}

void SystemRegistry::deleteKey(RegistryRoot root, const std::string& key) {
  LONG deleted = RegDeleteKeyA(rootKey(root), key.c_str());
  if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND) logFailure("delete the registry key ", key, deleted);
}

void SystemRegistry::announceAssociationChange() {
  SHChangeNotify(SHCNE_ASSOCCHANGED, 0, nullptr, nullptr);
}

}  // namespace registrar
