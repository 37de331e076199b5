// The picture shown for a block whose file yields no preview: 160 x 68, the words 暂无缩微图 on a
// pale ground. It is the program's bitmap 138, built into the portable code from the same .bmp.
#pragma once

#include "base/Image.h"

namespace thumbs {

// Decoded once, then only read; safe to use from any thread.
const base::Image& placeholderPicture();

}  // namespace thumbs
