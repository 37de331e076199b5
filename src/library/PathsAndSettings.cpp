#include "library/PathsAndSettings.h"

#include "base/Files.h"
#include "base/Path.h"
#include "base/Profile.h"
#include "base/StandardPaths.h"

namespace library {

std::u16string folderOfModule(const std::u16string& modulePath) {
  size_t cut = modulePath.find_last_of(u"\\/");
  return cut == std::u16string::npos ? std::u16string() : modulePath.substr(0, cut);
}

std::u16string programFolder() { return folderOfModule(base::modulePath()); }

std::u16string dataRoot() {
  return base::joinPath(base::joinPath(base::documentsFolder(), u"Scrydir"), u"InkCasket");
}

void createDataRoot() {
  std::u16string scrydir = base::joinPath(base::documentsFolder(), u"Scrydir");
  base::files::createDirectory(scrydir);
  base::files::createDirectory(base::joinPath(scrydir, u"InkCasket"));
}

std::u16string libraryBaseUrl() { return libraryBaseUrl(programFolder()); }

std::u16string libraryBaseUrl(const std::u16string& programFolder) {
  std::u16string ini = base::joinPath(programFolder, u"Blockery.ini");
  std::u16string server = base::profile::readString(ini, u"Server", u"BaseUrl", kDefaultServerUrl, 1024);
  while (!server.empty() && server.back() == u'/') server.pop_back();
  return server + u"/InkCasket";
}

}  // namespace library
