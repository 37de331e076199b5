// The state file in OUT: which remote name each source folder got and which id each source file's
// block got, with the size, time and digest it had, so that the next run keeps what did not change.
#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "Library.h"

namespace publish {

inline constexpr char16_t kStateFile[] = u"blockery-publish.state";

struct BlockState {
  uint64_t size = 0;
  uint64_t time = 0;
  std::string hash;
  std::u16string id;
  Preview preview = Preview::Unknown;
};

struct PublishState {
  uint64_t nextId = 1;                                 // ids are never given twice
  std::map<std::u16string, std::u16string> folders;    // source path -> remote name
  std::map<std::u16string, BlockState> blocks;         // source path of the DWG file -> its block
};

// An absent file gives an empty state. False with a message when the file is damaged.
bool loadState(const std::u16string& path, PublishState& state, std::string& error);
bool saveState(const std::u16string& path, const PublishState& state);

// The state a finished run leaves: the library's folders and blocks as published.
PublishState stateOf(const Library& library, uint64_t nextId);

}  // namespace publish
