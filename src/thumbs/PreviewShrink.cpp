#include "thumbs/PreviewShrink.h"

#include <vector>

namespace thumbs {

namespace {

struct Span {
  int first, end;
};

// The source pixels that fall into each of count target pixels along one side.
std::vector<Span> spans(int sourceLength, int count) {
  std::vector<Span> out(size_t(count) + 0);
  for (int i = 0; i < count; ++i) {
    int first = int(int64_t(i) * sourceLength / count);
    int end = int(int64_t(i + 1) * sourceLength / count);
    out[size_t(i)] = {first, end > first ? end : first + 1};
  }
  return out;
}

template <typename Combine>
void shrinkRows(const Image& source, Image& target, Area area, uint32_t start, Combine combine) {
  std::vector<Span> columns = spans(source.width, area.width);
  std::vector<Span> rows = spans(source.height, area.height);
  std::vector<uint32_t> line(size_t(area.width));
  for (int y = 0; y < area.height; ++y) {
    line.assign(line.size(), start);
    for (int sy = rows[size_t(y)].first; sy < rows[size_t(y)].end; ++sy) {
      const uint32_t* in = source.row(sy);
      for (int x = 0; x < area.width; ++x) {
        uint32_t acc = line[size_t(x)];
        for (int sx = columns[size_t(x)].first; sx < columns[size_t(x)].end; ++sx) acc = combine(acc, in[sx]);
        line[size_t(x)] = acc;
      }
    }
    uint32_t* out = target.row(area.top + y) + area.left;
    for (int x = 0; x < area.width; ++x) out[x] = line[size_t(x)] | kOpaque;
  }
}

}  // namespace

void shrinkInto(const Image& source, Image& target, Area area, ShrinkKeeps keeps) {
  if (source.width < 1 || source.height < 1 || area.width < 1 || area.height < 1) return;
  if (keeps == ShrinkKeeps::Light) {
    shrinkRows(source, target, area, 0u, [](uint32_t a, uint32_t b) { return a | b; });
  } else {
    shrinkRows(source, target, area, 0xFFFFFFFFu, [](uint32_t a, uint32_t b) { return a & b; });
  }
}

}  // namespace thumbs
