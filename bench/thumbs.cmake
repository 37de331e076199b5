# The benchmark writes its PNG previews with stb_image_write.
target_include_directories(bench_thumbs PRIVATE ${BLOCKERY_STB_INCLUDE})
