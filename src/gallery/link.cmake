# resource.h: the identifiers the main window shares with the resource script.
if(WIN32)
  target_include_directories(blk_gallery PRIVATE ${PROJECT_SOURCE_DIR}/resources)
endif()
