# Builds the console program and its echoing library in the test build
# BUILD of the sources in SOURCE, configuring it first where it is not: the
# page's tests compare the page with them.
#
#     cmake -DSOURCE=... -DBUILD=... -P console_program.cmake
if(NOT EXISTS ${BUILD}/CMakeCache.txt)
  execute_process(COMMAND ${CMAKE_COMMAND} --preset test -B ${BUILD}
                  WORKING_DIRECTORY ${SOURCE} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "The console's test build could not be configured")
  endif()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD}
                        --target blackjack terminal_echo
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The console program could not be built in ${BUILD}")
endif()
