# Blockery.exe, alone in the program folder (build/program) with the files it reads beside it
# (see resources/CMakeLists.txt). Test stand-ins are built elsewhere and copied in by the tests.
if(WIN32)
  add_executable(Blockery WIN32 ${PROJECT_SOURCE_DIR}/src/app/BlockeryMain_win.cpp
                                ${PROJECT_SOURCE_DIR}/resources/Blockery.rc)
  target_link_libraries(Blockery PRIVATE blk_app blk_gallery blk_skin blk_win blk_library blk_base
                                         comctl32 gdiplus shlwapi comdlg32)
  target_link_options(Blockery PRIVATE -municode -static)
  set_target_properties(Blockery PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/program)
  set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/Blockery.rc PROPERTIES
    OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/resources/Blockery.ico;${PROJECT_SOURCE_DIR}/resources/Blockery.manifest;${PROJECT_SOURCE_DIR}/resources/resource.h;${PROJECT_SOURCE_DIR}/resources/VersionInfo.rc;${BLOCKERY_VERSION_HEADER}")
  target_include_directories(Blockery PRIVATE ${BLOCKERY_GENERATED_DIR})
endif()
