#include "library/Layout.h"

#include "base/FailureLog.h"
#include "base/Files.h"
#include "base/MachineSettings.h"
#include "base/Path.h"
#include "base/Profile.h"
#include "base/Shell.h"
#include "base/SystemError.h"

namespace library {

std::u16string folderOfModule(const std::u16string& modulePath) {
  size_t cut = modulePath.find_last_of(u"\\/");
  return cut == std::u16string::npos ? std::u16string() : modulePath.substr(0, cut);
}

std::u16string programFolder() { return folderOfModule(base::modulePath()); }

std::u16string dataRoot() {
  return base::joinPath(base::joinPath(base::documentsFolder(), u"Scrydir"), u"InkCasket");
}

namespace {

void createFolder(const std::u16string& folder) {
  if (base::files::isDirectory(folder) || base::files::createDirectory(folder)) return;
  base::logFailure(u"create the folder " + folder, base::lastSystemError());
}

}  // namespace

void createDataRoot() {
  std::u16string scrydir = base::joinPath(base::documentsFolder(), u"Scrydir");
  createFolder(scrydir);
  createFolder(base::joinPath(scrydir, u"InkCasket"));
}

std::u16string libraryBaseUrl() { return libraryBaseUrl(programFolder()); }

std::u16string libraryBaseUrl(const std::u16string& programFolder) {
  std::u16string ini = base::joinPath(programFolder, u"Blockery.ini");
  std::u16string fromIni = base::profile::readString(ini, u"Server", u"BaseUrl", u"", 1024);
  if (!fromIni.empty()) return libraryUrlOf(fromIni, u"");
  return libraryUrlOf(u"", base::machineSetting(kMachineSettingsKey, u"ServerUrl"));
}

std::u16string libraryUrlOf(std::u16string_view iniBaseUrl, std::u16string_view installedServerUrl) {
  std::u16string server(!iniBaseUrl.empty()           ? iniBaseUrl
                        : !installedServerUrl.empty() ? installedServerUrl
                                                      : std::u16string_view(kDefaultServerUrl));
  while (!server.empty() && server.back() == u'/') server.pop_back();
  return server + u"/InkCasket";
}

}  // namespace library
