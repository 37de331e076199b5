# The benchmark writes its DWG files with the thumbnail tests' own writer (PNG through
# stb_image_write).
target_sources(bench_thumbs PRIVATE ${PROJECT_SOURCE_DIR}/tests/thumbs/PreviewFiles.cpp)
target_include_directories(bench_thumbs PRIVATE ${BLOCKERY_STB_INCLUDE} ${PROJECT_SOURCE_DIR}/tests)
