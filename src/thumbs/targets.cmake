# The tests write PNG previews with stb_image_write from the same header-only package.
if(TARGET thumbs_tests)
  target_include_directories(thumbs_tests PRIVATE ${BLOCKERY_STB_INCLUDE})
endif()

# Times the thumbnail list under the window system (cold and cached previews); not shipped.
if(WIN32)
  add_executable(thumblist-timing WIN32 ${PROJECT_SOURCE_DIR}/src/thumbs/ListTimingMain_win.cpp)
  target_link_libraries(thumblist-timing PRIVATE blk_thumbs blk_win blk_base comctl32 shell32)
  target_link_options(thumblist-timing PRIVATE -municode -static)
endif()
