// A library as blockery-publish sees it: the source tree's specialties, categories and
// sub-categories with their blocks, and what a publish run adds (remote names, block ids).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace publish {

enum class Preview { Unknown, Shown, Missing, Unreadable };

struct Block {
  std::u16string file;   // the DWG file's name in its source folder
  std::u16string name;   // the name galleries give its file, without ".dwg"
  std::u16string spec, detail, mfrs, url;
  uint64_t size = 0;
  uint64_t time = 0;     // last write, in the file system's own units
  // Filled in by the plan.
  std::u16string id;
  std::string hash;
  Preview preview = Preview::Unknown;
  bool read = false;     // its content was read by this run (new or changed)
};

struct Folder {
  int level = 1;            // 1 specialty, 2 category, 3 sub-category
  std::u16string name;      // the source folder's name, which galleries use as their local name
  std::u16string path;      // from the source's top, parts joined by "/"
  std::u16string number;    // specialties only: the <Num> text
  std::u16string remote;    // the folder's name on the server, filled in by the plan
  std::vector<Folder> folders;
  std::vector<Block> blocks;

  // A category without sub-categories, or a sub-category: the folders that have item lists.
  bool isLeaf() const { return level >= 2 && folders.empty(); }
};

struct Library {
  std::vector<Folder> specialties;
};

// Calls f(folder) for every folder, parents before children, in publishing order.
template <typename F>
void forEachFolder(std::vector<Folder>& folders, const F& f) {
  for (Folder& folder : folders) {
    f(folder);
    forEachFolder(folder.folders, f);
  }
}
template <typename F>
void forEachFolder(const std::vector<Folder>& folders, const F& f) {
  for (const Folder& folder : folders) {
    f(folder);
    forEachFolder(folder.folders, f);
  }
}

}  // namespace publish
