# The button skins are read from files at run time: GallerySkin/*.bmp must sit beside Blockery.exe.
# Included from resources/CMakeLists.txt in the Windows build. The copy is attached once every
# target is known, since the program may be defined after this file is read.
function(blockery_copy_gallery_skin)
  if(NOT TARGET Blockery)
    return()
  endif()
  file(GLOB skins CONFIGURE_DEPENDS ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/GallerySkin/*.bmp)
  # copy_if_different leaves unchanged files alone, so running it on every build costs nothing.
  add_custom_target(blockery_gallery_skin
    COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:Blockery>/GallerySkin
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${skins} $<TARGET_FILE_DIR:Blockery>/GallerySkin
    COMMENT "GallerySkin beside Blockery.exe"
    VERBATIM)
  add_dependencies(Blockery blockery_gallery_skin)
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL blockery_copy_gallery_skin)
