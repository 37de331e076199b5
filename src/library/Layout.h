// Where the program and the library live.
#pragma once
#include <string>
#include <string_view>

namespace library {

// The folder of the running program, without a trailing separator.
std::u16string programFolder();
// The documents folder + "Scrydir" + "InkCasket", without a trailing separator. Not created.
std::u16string dataRoot();
// Creates the documents folder's "Scrydir" and then its "InkCasket", one level at a time.
void createDataRoot();

// The update server's base URL followed by "/InkCasket". The server is named by Blockery.ini beside
// the program (section Server, key BaseUrl), else by the installer's machine setting (value
// ServerUrl of kMachineSettingsKey), else kDefaultServerUrl.
std::u16string libraryBaseUrl();
// The same, read from Blockery.ini in the given program folder.
std::u16string libraryBaseUrl(const std::u16string& programFolder);
// The choice itself, from the two texts read (empty when absent); trailing slashes are dropped.
std::u16string libraryUrlOf(std::u16string_view iniBaseUrl, std::u16string_view installedServerUrl);
inline constexpr char16_t kDefaultServerUrl[] = u"http://127.0.0.1:8480";
inline constexpr char16_t kMachineSettingsKey[] = u"Software\\Blockery";

// The files the gallery keeps, by their fixed names.
inline constexpr char16_t kIndexFile[] = u"InkCasket.xml";          // dataRoot; default copy in programFolder
inline constexpr char16_t kItemListFile[] = u"FileList.xml";        // every category folder of level 2 and 3
inline constexpr char16_t kRecentFile[] = u"RecentlyUse.xml";       // dataRoot
inline constexpr char16_t kUserBlockFile[] = u"UserBlock.xml";      // dataRoot
inline constexpr char16_t kSettingsFile[] = u"HomeInkCasket.ini";   // dataRoot
inline constexpr char16_t kFailureLogFile[] = u"Blockery.log";      // dataRoot

// The program folder, cut from a module path before its last backslash or slash.
std::u16string folderOfModule(const std::u16string& modulePath);

}  // namespace library
