# The reading table is generated from the Unihan files of Debian's unicode-data package.
set(BLOCKERY_UNIHAN_DIR /usr/share/unicode CACHE PATH "Folder holding Unihan_Readings.txt(.bz2) and Unihan_Variants.txt(.bz2)")
find_program(BLOCKERY_PYTHON3 python3 REQUIRED)
set(unihan_inputs)
foreach(f Unihan_Readings.txt Unihan_Variants.txt)
  if(EXISTS ${BLOCKERY_UNIHAN_DIR}/${f})
    list(APPEND unihan_inputs ${BLOCKERY_UNIHAN_DIR}/${f})
  elseif(EXISTS ${BLOCKERY_UNIHAN_DIR}/${f}.bz2)
    list(APPEND unihan_inputs ${BLOCKERY_UNIHAN_DIR}/${f}.bz2)
  else()
    message(FATAL_ERROR "${f} not found in ${BLOCKERY_UNIHAN_DIR}: install the unicode-data package")
  endif()
endforeach()
set(readings_cpp ${CMAKE_BINARY_DIR}/generated/search/ReadingData.cpp)
add_custom_command(OUTPUT ${readings_cpp}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated/search
  COMMAND ${BLOCKERY_PYTHON3} ${PROJECT_SOURCE_DIR}/src/search/make_readings.py ${BLOCKERY_UNIHAN_DIR} ${readings_cpp}
  DEPENDS ${PROJECT_SOURCE_DIR}/src/search/make_readings.py ${unihan_inputs}
  COMMENT "Generating the pinyin reading table from Unihan" VERBATIM)
target_sources(blk_search PRIVATE ${readings_cpp})
