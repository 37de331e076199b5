#include "update/KeepOrFetch.h"

namespace update {

BlockChoice keepOrFetch(const library::BlockRecord& listed, std::optional<uint64_t> sizeOnDisk,
                        const FileSource* recorded) {
  if (!sizeOnDisk) return BlockChoice::Fetch;
  if (recorded && recorded->id != listed.id) return BlockChoice::Fetch;
  if (listed.size && *listed.size != *sizeOnDisk) return BlockChoice::Fetch;
  return BlockChoice::Keep;
}

}  // namespace update
