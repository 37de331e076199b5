// The .dwg file type as the Windows shell sees it: which program opens DWG files, with which icon
// and description, and Explorer's per-user overrides of that choice.
#pragma once
#include <string_view>

#include "registrar/Registry.h"

namespace registrar {

inline constexpr std::string_view kDwgExtension = ".dwg";
inline constexpr std::string_view kDwgProgId = "dwgFile";
// "DWG图纸" in GBK: the program is narrow throughout and writes the description as these bytes.
inline constexpr std::string_view kDwgDescription = "DWG\xCD\xBC\xD6\xBD";
inline constexpr std::string_view kLandscapeProgram = "Terrafold.exe";
inline constexpr std::string_view kDwgIcon = "dwg.ico";
inline constexpr std::string_view kOpenCommandKey = "dwgFile\\Shell\\Open\\Command";
// Children before their parent: a key with sub-keys cannot be deleted.
inline constexpr std::string_view kUserChoiceKeys[] = {
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.dwg\\UserChoice",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.dwg\\OpenWithProgids",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.dwg\\OpenWithList",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.dwg",
};

// Makes DWG files open in the landscape program of programFolder (which ends in a backslash)
// and show its icon. The program path is quoted in the command, so a folder with blanks cannot
// start a program named after its first word. A folder too long for the 260-byte texts writes
// nothing: half an association would leave DWG files that open nowhere.
void registerDwgFiles(Registry& registry, std::string_view programFolder);

// Switches the open command off ("0"), but only if it exists; nothing is created.
void switchOffDwgFiles(Registry& registry);

// Removes Explorer's per-user choices for .dwg, so the class registration applies again.
void clearUserChoices(Registry& registry);

}  // namespace registrar
