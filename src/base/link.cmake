if(WIN32)
  target_link_libraries(blk_base PUBLIC shell32 ole32 advapi32)
endif()
