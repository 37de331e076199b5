#include "thumbs/PreviewShrink.h"

#include <vector>

namespace thumbs {

namespace {

struct Span {
  int first, end;
};

// The source pixels that fall into each of count target pixels along one side.
std::vector<Span> spans(int sourceLength, int count) {
  std::vector<Span> out(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    int first = int(int64_t(i) * sourceLength / count);
    int end = int(int64_t(i + 1) * sourceLength / count);
    out[size_t(i)] = {first, end > first ? end : first + 1};
  }
  return out;
}

// Which target column each source column falls into, when every target column takes at least one
// whole source column (the source is at least as wide): one pass over each source row then suffices.
std::vector<int> columnOwners(const std::vector<Span>& columns, int sourceWidth) {
  std::vector<int> owner(static_cast<size_t>(sourceWidth));
  for (size_t x = 0; x < columns.size(); ++x) {
    for (int sx = columns[x].first; sx < columns[x].end; ++sx) owner[size_t(sx)] = int(x);
  }
  return owner;
}

template <typename Combine>
void combineRow(const uint32_t* in, const base::Image& source, const std::vector<Span>& columns,
                const std::vector<int>& owner, std::vector<uint32_t>& line, Combine combine) {
  if (!owner.empty()) {
    for (int sx = 0; sx < source.width; ++sx) {
      uint32_t& acc = line[size_t(owner[size_t(sx)])];
      acc = combine(acc, in[sx]);
    }
  } else {
    for (size_t x = 0; x < line.size(); ++x) line[x] = combine(line[x], in[columns[x].first]);
  }
}

template <typename Combine>
void shrinkRows(const base::Image& source, base::Image& target, Area area, uint32_t start, Combine combine) {
  std::vector<Span> columns = spans(source.width, area.width);
  std::vector<Span> rows = spans(source.height, area.height);
  std::vector<int> owner = source.width >= area.width ? columnOwners(columns, source.width) : std::vector<int>();
  std::vector<uint32_t> line(size_t(area.width));
  for (int y = 0; y < area.height; ++y) {
    line.assign(line.size(), start);
    for (int sy = rows[size_t(y)].first; sy < rows[size_t(y)].end; ++sy) {
      combineRow(source.row(sy), source, columns, owner, line, combine);
    }
    uint32_t* out = target.row(area.top + y) + area.left;
    for (int x = 0; x < area.width; ++x) out[x] = line[size_t(x)] | base::kOpaque;
  }
}

}  // namespace

void shrinkInto(const base::Image& source, base::Image& target, Area area, ShrinkKeeps keeps) {
  if (source.width < 1 || source.height < 1 || area.width < 1 || area.height < 1) return;
  if (keeps == ShrinkKeeps::Light) {
    shrinkRows(source, target, area, 0u, [](uint32_t a, uint32_t b) { return a | b; });
  } else {
    shrinkRows(source, target, area, 0xFFFFFFFFu, [](uint32_t a, uint32_t b) { return a & b; });
  }
}

}  // namespace thumbs
