if(WIN32)
  target_link_libraries(blk_registrar PUBLIC advapi32 shell32)
endif()
