// Arbitrary bytes as a markup file: encoding detection, conversion, then parse.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "base/Text.h"
#include "markup/MarkupDocument.h"
#include "markup/MarkupEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/blockery-fuzz-markup-" + std::to_string(getpid()) + ".xml";
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  markup::MarkupDocument doc;
  if (doc.loadFile(base::fromUtf8(path))) {
    doc.parse();
    while (doc.nextElement(u"root"))
      while (doc.nextChildElement(u"Item")) doc.childText();
  }
  std::string bytes(reinterpret_cast<const char*>(data), size);
  char out[256];
  for (const char16_t* to : {u"UTF-32", u"utf-8", u"gbk", u"utf-16"}) {
    size_t need = markup::encoding::convert(u"utf-8", to, bytes.data(), bytes.size(), nullptr, 0);
    if (need <= sizeof out) markup::encoding::convert(u"utf-8", to, bytes.data(), bytes.size(), out, sizeof out);
    markup::encoding::convert(u"UTF-32", to, bytes.data(), bytes.size(), nullptr, 0);
    markup::encoding::convert(u"utf-16", to, bytes.data(), bytes.size(), nullptr, 0);
  }
  return 0;
}
