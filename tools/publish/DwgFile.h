// What a block file is to blockery-publish: a DWG by its first bytes, and the preview galleries
// would read from it (with the gallery's own preview reader).
#pragma once
#include <string>
#include <string_view>

#include "Library.h"

namespace publish {

// Every DWG file starts with its version: "AC" and four characters such as "1032" or "2.10".
bool looksLikeDwg(std::string_view bytes);

// Shown, Missing (no preview picture at all) or Unreadable (one galleries cannot decode), with
// the reader's reason when there is no picture.
Preview readPreview(std::string_view bytes, std::string& failure);

// The warning for a block whose preview galleries do not show; empty when they show one.
std::string previewWarning(const std::string& where, Preview preview, const std::string& failure);

}  // namespace publish
