// blockery-inspect markup FILE: loads and parses a markup file as the gallery reads UserBlock.xml.
#include <cstdio>

#include "Command.h"
#include "base/Text.h"
#include "markup/MarkupDocument.h"

namespace {

void printLine(const char* label, std::u16string_view text) {
  std::printf("%s%s\n", label, base::toUtf8(text).c_str());
}

int run(const inspect::Args& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: blockery-inspect markup FILE\n");
    return 2;
  }
  markup::MarkupDocument doc;
  bool loaded = doc.loadFile(base::fromUtf8(args[0]));
  std::printf("load: %s\n", loaded ? "true" : "false");
  bool parsed = loaded && doc.parse();
  printLine("report: ", doc.report());
  std::printf("parse: %s\n", parsed ? "true" : "false");
  if (!loaded || !parsed) return 1;
  while (doc.nextElement(u"root"))
    while (doc.nextChildElement(u"Item")) printLine("", doc.childText());
  return 0;
}

const inspect::Command command("markup", "FILE", run);

}  // namespace
