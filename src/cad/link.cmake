# The automation client: COM and its automation types.
if(WIN32)
  target_link_libraries(blk_cad PUBLIC ole32 oleaut32 uuid user32 advapi32)
endif()
