#include "registrar/SystemRegistry.h"

#include <windows.h>
#include <shlobj.h>

namespace registrar {

namespace {

HKEY rootKey(RegistryRoot root) {
  return root == RegistryRoot::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
}

// Sets the default value of an open key; the length counts the terminating NUL.
void setDefault(HKEY key, const std::string& text) {
  RegSetValueA(key, "", REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

}  // namespace

void SystemRegistry::writeDefault(RegistryRoot root, const std::string& key, const std::string& text) {
  HKEY opened = nullptr;
  if (RegCreateKeyA(rootKey(root), key.c_str(), &opened) != ERROR_SUCCESS) return;
  setDefault(opened, text);
  RegCloseKey(opened);
}

bool SystemRegistry::rewriteExistingDefault(RegistryRoot root, const std::string& key, const std::string& text) {
  HKEY opened = nullptr;
  if (RegOpenKeyA(rootKey(root), key.c_str(), &opened) != ERROR_SUCCESS) return false;
  setDefault(opened, text);
  RegCloseKey(opened);
  return true;
}

void SystemRegistry::deleteKey(RegistryRoot root, const std::string& key) {
  RegDeleteKeyA(rootKey(root), key.c_str());
}

void SystemRegistry::announceAssociationChange() {
  SHChangeNotify(SHCNE_ASSOCCHANGED, 0, nullptr, nullptr);
}

}  // namespace registrar
