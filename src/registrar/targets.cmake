# Tetherling.exe: a windowed, standalone program; its standard output still reaches a caller's pipe.
if(WIN32)
  add_executable(Tetherling WIN32 ${PROJECT_SOURCE_DIR}/src/registrar/TetherlingMain_win.cpp
                                  ${PROJECT_SOURCE_DIR}/resources/Tetherling.rc)
  target_include_directories(Tetherling PRIVATE ${BLOCKERY_GENERATED_DIR})
  set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/Tetherling.rc PROPERTIES
    OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/resources/VersionInfo.rc;${BLOCKERY_VERSION_HEADER}")
  target_link_libraries(Tetherling PRIVATE blk_registrar advapi32 shell32)
  target_link_options(Tetherling PRIVATE -static)
  set_target_properties(Tetherling PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()
