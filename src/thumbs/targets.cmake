# The tests write PNG previews with stb_image_write from the same header-only package.
if(TARGET thumbs_tests)
  target_include_directories(thumbs_tests PRIVATE ${BLOCKERY_STB_INCLUDE})
endif()
