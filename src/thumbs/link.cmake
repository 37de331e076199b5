# PNG previews are decoded with the header-only stb_image (Debian's libstb-dev). Only its own
# folder is added, so the cross build does not see the host's other headers.
set(BLOCKERY_STB_INCLUDE /usr/include/stb CACHE PATH "Folder holding stb_image.h")
target_include_directories(blk_thumbs PRIVATE ${BLOCKERY_STB_INCLUDE})

# The placeholder picture is the committed bitmap 138, turned into bytes the portable code reads.
set(placeholder_bmp ${PROJECT_SOURCE_DIR}/resources/art/placeholder.bmp)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${placeholder_bmp})
file(READ ${placeholder_bmp} placeholder_hex HEX)
file(SIZE ${placeholder_bmp} placeholder_size)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," placeholder_bytes "${placeholder_hex}")
string(REGEX REPLACE "((0x..,){32})" "\\1\n" placeholder_bytes "${placeholder_bytes}")
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/thumbs/PlaceholderBitmap.cpp CONTENT
"// Generated from resources/art/placeholder.bmp; do not edit.
#include <cstddef>
namespace thumbs {
extern const unsigned char kPlaceholderBmp[] = {
${placeholder_bytes}
};
extern const size_t kPlaceholderBmpSize = ${placeholder_size};
}  // namespace thumbs
" @ONLY)
target_sources(blk_thumbs PRIVATE ${CMAKE_BINARY_DIR}/generated/thumbs/PlaceholderBitmap.cpp)

# The thumbnail list window (DWGListView_win.cpp) is built on the window layer; blocks leave it
# by OLE drag and drop and the clipboard.
if(WIN32)
  target_link_libraries(blk_thumbs PUBLIC blk_win ole32 shell32 uuid)
endif()
