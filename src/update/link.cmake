if(WIN32)
  target_link_libraries(blk_update PUBLIC wininet)
endif()
