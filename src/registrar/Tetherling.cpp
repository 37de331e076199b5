#include "registrar/Tetherling.h"

#include "registrar/DwgAssociation.h"
#include "registrar/ProgramFolder.h"

namespace registrar {

namespace {

// "结果" in GBK, as on the Chinese console the program writes to.
constexpr std::string_view kCopyResultLabel = "COPY\xBD\xE1\xB9\xFB: ";

// Arguments are written as plain bytes, never used as a format.
void echoArguments(const std::vector<std::string>& arguments, RegistrarHost& host) {
  host.print(std::to_string(arguments.size()) + "\n");
  for (const std::string& argument : arguments) {
    host.print(argument);
    host.print("\n");
  }
}

void copyMode(const std::vector<std::string>& arguments, RegistrarHost& host) {
  bool copied = host.copyFile(arguments[2], arguments[3]);
  host.print(std::string(kCopyResultLabel) + (copied ? "1" : "0"));
  host.readOneCharacter();
}

}  // namespace

TetherlingMode modeForArgumentCount(size_t count) {
  if (count == 4) return TetherlingMode::Copy;
  if (count == 1) return TetherlingMode::Register;
  return TetherlingMode::Unregister;
}

int runTetherling(const std::vector<std::string>& arguments, Registry& registry, RegistrarHost& host) {
  echoArguments(arguments, host);
  switch (modeForArgumentCount(arguments.size())) {
    case TetherlingMode::Copy:
      copyMode(arguments, host);
      return 0;
    case TetherlingMode::Register:
      registerDwgFiles(registry, programFolder(host.modulePath()));
      break;
    case TetherlingMode::Unregister:
      switchOffDwgFiles(registry);
      break;
  }
  clearUserChoices(registry);
  registry.announceAssociationChange();
  return 0;
}

}  // namespace registrar
