// An in-memory registry with the rules the association logic relies on: key names are compared
// without regard to case, creating a key creates its parents, opening never creates, and a key
// with sub-keys cannot be deleted. Every change is also written to a journal, in order.
#pragma once
#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "registrar/Registry.h"

namespace registrar_tests {

using registrar::RegistryRoot;

class MemoryRegistry final : public registrar::Registry {
public:
  void writeDefault(RegistryRoot root, const std::string& key, const std::string& text) override {
    for (size_t cut = key.find('\\'); cut != std::string::npos; cut = key.find('\\', cut + 1))
      keys_.try_emplace(name(root, key.substr(0, cut)));
    keys_[name(root, key)] = text;
    journal.push_back("write " + label(root) + key + " = " + text);
  }

  bool rewriteExistingDefault(RegistryRoot root, const std::string& key, const std::string& text) override {
    auto found = keys_.find(name(root, key));
    if (found == keys_.end()) return false;
    found->second = text;
    journal.push_back("rewrite " + label(root) + key + " = " + text);
    return true;
  }

  void deleteKey(RegistryRoot root, const std::string& key) override {
    auto found = keys_.find(name(root, key));
    if (found == keys_.end() || hasSubKeys(found->first)) return;
    keys_.erase(found);
    journal.push_back("delete " + label(root) + key);
  }

  void announceAssociationChange() override { journal.push_back("announce"); }

  bool exists(RegistryRoot root, const std::string& key) const { return keys_.count(name(root, key)) != 0; }

  // The default value, or nothing when the key is missing or has no default value.
  std::optional<std::string> defaultOf(RegistryRoot root, const std::string& key) const {
    auto found = keys_.find(name(root, key));
    return found == keys_.end() ? std::nullopt : found->second;
  }

  size_t keyCount() const { return keys_.size(); }

  std::vector<std::string> journal;

private:
  static std::string label(RegistryRoot root) { return root == RegistryRoot::ClassesRoot ? "HKCR\\" : "HKCU\\"; }

  static std::string name(RegistryRoot root, const std::string& key) {
    std::string folded = label(root) + key;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
  }

  bool hasSubKeys(const std::string& folded) const {
    const std::string prefix = folded + "\\";
    auto next = keys_.lower_bound(prefix);
    return next != keys_.end() && next->first.compare(0, prefix.size(), prefix) == 0;
  }

  std::map<std::string, std::optional<std::string>> keys_;
};

}  // namespace registrar_tests
