# The one version number, from project(... VERSION): a header for the programs' version resources
# and version.txt in the build folder for scripts/package.sh, which names the packages after it.
set(BLOCKERY_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(BLOCKERY_VERSION_HEADER ${BLOCKERY_GENERATED_DIR}/BlockeryVersion.h)
configure_file(${PROJECT_SOURCE_DIR}/resources/BlockeryVersion.h.in ${BLOCKERY_VERSION_HEADER} @ONLY)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/version.txt CONTENT "${PROJECT_VERSION}\n")
