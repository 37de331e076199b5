#include "registrar/DwgAssociation.h"

#include <string>

#include "registrar/BoundedText.h"

namespace registrar {

void registerDwgFiles(Registry& registry, std::string_view programFolder) {
  auto program = boundedText({programFolder, kLandscapeProgram});
  auto icon = boundedText({programFolder, kDwgIcon});
  auto command = program ? boundedText({"\"", *program, "\" \"%1\""}) : std::nullopt;
  auto iconKey = boundedText({kDwgProgId, "\\DefaultIcon"});
  auto shellKey = boundedText({kDwgProgId, "\\Shell"});
  if (!icon || !command || !iconKey || !shellKey) return;

  const RegistryRoot root = RegistryRoot::ClassesRoot;
  registry.writeDefault(root, std::string(kDwgExtension), std::string(kDwgProgId));
  registry.writeDefault(root, std::string(kDwgProgId), std::string(kDwgDescription));
  registry.writeDefault(root, *iconKey, *icon);
  registry.writeDefault(root, *shellKey, "Open");
  registry.writeDefault(root, std::string(kOpenCommandKey), *command);
}

void switchOffDwgFiles(Registry& registry) {
  registry.rewriteExistingDefault(RegistryRoot::ClassesRoot, std::string(kOpenCommandKey), "0");
}

void clearUserChoices(Registry& registry) {
  for (std::string_view key : kUserChoiceKeys) registry.deleteKey(RegistryRoot::CurrentUser, std::string(key));
}

}  // namespace registrar
