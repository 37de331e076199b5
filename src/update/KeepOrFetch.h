// Whether a block on disk is the block an item list names. Only then is it kept; otherwise the walk
// fetches it again, so a block the library keeper changed (and published under a new id) reaches
// every gallery, and a block removed and replaced by another of the same name is not mistaken for it.
#pragma once
#include <cstdint>
#include <optional>

#include "library/Records.h"
#include "update/UpdateRecord.h"

namespace update {

enum class BlockChoice { Keep, Fetch };

// listed: the block as the new item list gives it. sizeOnDisk: the file's size, none when there is
// no file. recorded: what the record says the file was fetched as; none for a library from before
// the record (or a lost record): such a file is kept when its size is the listed one.
BlockChoice keepOrFetch(const library::BlockRecord& listed, std::optional<uint64_t> sizeOnDisk,
                        const FileSource* recorded);

}  // namespace update
