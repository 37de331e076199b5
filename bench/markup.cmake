# Peers in the markup benchmark: pugixml and expat, from the system packages.
find_library(BLOCKERY_PUGIXML pugixml REQUIRED)
find_library(BLOCKERY_EXPAT expat REQUIRED)
target_link_libraries(bench_markup PRIVATE ${BLOCKERY_PUGIXML} ${BLOCKERY_EXPAT})
