# skin_demo.exe: a skinned dialog with every kind of skin button, driven by the Wine scenario
# tests/wine/skin_window.test.sh. It sits in its own folder with a GallerySkin copy beside it.
if(WIN32)
  add_executable(skin_demo WIN32 ${PROJECT_SOURCE_DIR}/tests/skin/SkinDemoMain_win.cpp
                                 ${PROJECT_SOURCE_DIR}/tests/skin/SkinDemo.rc)
  target_include_directories(skin_demo PRIVATE ${PROJECT_SOURCE_DIR}/resources)
  target_link_libraries(skin_demo PRIVATE blk_skin)
  target_link_options(skin_demo PRIVATE -municode -static)
  set_target_properties(skin_demo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/skin_demo)
  add_custom_command(TARGET skin_demo POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/resources/GallerySkin
            ${CMAKE_BINARY_DIR}/skin_demo/GallerySkin)
endif()
