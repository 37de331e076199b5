# Tetherling.exe: a windowed, standalone program; its standard output still reaches a caller's pipe.
if(WIN32)
  add_executable(Tetherling WIN32 ${PROJECT_SOURCE_DIR}/src/registrar/TetherlingMain_win.cpp)
  target_link_libraries(Tetherling PRIVATE blk_registrar advapi32 shell32)
  target_link_options(Tetherling PRIVATE -static)
  set_target_properties(Tetherling PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()
