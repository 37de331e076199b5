// The folder Tetherling runs from, where the landscape program and the DWG icon lie beside it.
#pragma once
#include <string>
#include <string_view>

namespace registrar {

// The module path as the system fills a 260-byte buffer is cut after its last backslash, so the
// folder keeps that backslash. Scanning stops at a NUL or after 260 bytes. Without any backslash
// only the first character is kept.
std::string programFolder(std::string_view modulePath);

}  // namespace registrar
