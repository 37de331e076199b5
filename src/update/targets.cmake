# update_driver.exe: a stand-in gallery window over the real gallery model and the update's
# dialogs, driven by the Wine scenarios tests/wine/update_*.test.sh. It sits in its own folder
# with a GallerySkin copy beside it; each scenario copies that folder and adds its Blockery.ini.
if(WIN32)
  file(GLOB update_driver_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/updatewin/*_win.cpp)
  add_executable(update_driver WIN32 ${update_driver_sources} ${PROJECT_SOURCE_DIR}/resources/Blockery.rc)
  target_include_directories(update_driver PRIVATE ${PROJECT_SOURCE_DIR}/tests/updatewin ${PROJECT_SOURCE_DIR}/resources
                                                 ${BLOCKERY_GENERATED_DIR})
  target_link_libraries(update_driver PRIVATE blk_gallery blk_update blk_skin blk_win blk_library blk_base
                                              comctl32 shell32 gdiplus shlwapi)
  target_link_options(update_driver PRIVATE -municode -static)
  set_target_properties(update_driver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/update_driver)
  set_property(SOURCE ${PROJECT_SOURCE_DIR}/resources/Blockery.rc APPEND PROPERTY
    OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/resources/update.rc ${PROJECT_SOURCE_DIR}/src/update/UpdateDialogIds.h)
  add_custom_command(TARGET update_driver POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/resources/GallerySkin
            ${CMAKE_BINARY_DIR}/update_driver/GallerySkin)
endif()

# The local HTTP update server used by the end-to-end tests checks its own fault modes natively.
if(NOT WIN32)
  find_package(Python3 COMPONENTS Interpreter)
  if(Python3_Interpreter_FOUND)
    add_test(NAME update.test_server
             COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/server/test_blockery_test_server.py)
    set_tests_properties(update.test_server PROPERTIES TIMEOUT 300)
  endif()
endif()

# trust_test_ca.exe: lets the HTTPS scenario's test authority into the Wine prefix's root store.
if(WIN32)
  add_executable(trust_test_ca ${PROJECT_SOURCE_DIR}/tests/tls/TrustCaMain_win.cpp)
  target_link_libraries(trust_test_ca PRIVATE crypt32)
  target_link_options(trust_test_ca PRIVATE -municode -static)
endif()
