// Tree nodes whose empty block list is normal (specialties and groups that hold no blocks of
// their own, or whose blocks come later), so no empty-library prompt is shown for them.
#pragma once
#include <string_view>

namespace gallery {

bool isNoPromptName(std::u16string_view nodeText);

}  // namespace gallery
