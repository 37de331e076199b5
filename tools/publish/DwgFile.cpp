#include "DwgFile.h"

#include "thumbs/DwgPreview.h"

namespace publish {

Preview readPreview(std::string_view bytes, std::string& failure) {
  thumbs::PreviewReading reading = thumbs::readDwgPreviewBytes(bytes);
  failure = reading.failure;
  if (reading.image) return Preview::Shown;
  return reading.entryType == 0 ? Preview::Missing : Preview::Unreadable;
}

std::string previewWarning(const std::string& where, Preview preview, const std::string& failure) {
  std::string why = failure.empty() ? "" : " (" + failure + ")";
  if (preview == Preview::Missing) return where + ": no preview picture; galleries show the placeholder" + why;
  if (preview == Preview::Unreadable) return where + ": a preview picture galleries cannot read; they show the placeholder" + why;
  return {};
}

}  // namespace publish
