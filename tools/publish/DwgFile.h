// What a block file is to blockery-publish: the preview galleries would read from it (with the
// gallery's own preview reader). Whether it is a DWG at all is library::startsWithDwgVersion.
#pragma once
#include <string>
#include <string_view>

#include "Library.h"

namespace publish {

// Shown, Missing (no preview picture at all) or Unreadable (one galleries cannot decode), with
// the reader's reason when there is no picture.
Preview readPreview(std::string_view bytes, std::string& failure);

// The warning for a block whose preview galleries do not show; empty when they show one.
std::string previewWarning(const std::string& where, Preview preview, const std::string& failure);

}  // namespace publish
