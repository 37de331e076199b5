// What a download must look like before it may take a library file's place. A proxy or a captive
// portal may answer 200 with a web page, and a server may announce fewer bytes than the file has
// (the transfer then ends early and looks whole); neither may ever stand in for a library file.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace update {

enum class Payload { Markup, Block };

// Markup for a target ending in ".xml" (an item list or the index), Block for ".dwg", none otherwise.
std::optional<Payload> payloadFor(const std::u16string& localPath);

// The file reads as one markup document with a single root element, and that root is not "html".
bool readsAsMarkup(const std::u16string& path);

// Why the downloaded file at path is not what was asked for; empty when it plausibly is. A block
// whose size its item list gives must have exactly that many bytes.
std::u16string downloadFault(const std::u16string& path, Payload payload, std::optional<uint64_t> expectedSize);

}  // namespace update
