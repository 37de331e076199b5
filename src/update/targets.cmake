# The local HTTP update server used by the end-to-end tests and the README's run command checks
# its own fault modes natively.
if(NOT WIN32)
  find_package(Python3 COMPONENTS Interpreter)
  if(Python3_Interpreter_FOUND)
    add_test(NAME update.test_server
             COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/server/test_blockery_test_server.py)
    set_tests_properties(update.test_server PROPERTIES TIMEOUT 300)
  endif()
endif()
