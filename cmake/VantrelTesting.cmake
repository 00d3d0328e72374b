# Test helpers shared by every subsystem's tests/ folder.
#
#   vantrel_add_native_test(name SOURCES ... LIBS ...)
#       A GoogleTest executable for the Linux build (sanitizers on); each case
#       becomes its own CTest test.
#   vantrel_add_wine_test(name SOURCES ... LIBS ... [TIMEOUT s])
#       A GoogleTest executable for the Windows build, run under Wine as one
#       CTest test (one Wine process per executable keeps the run fast).
#       Executables land in ${CMAKE_BINARY_DIR}/bin beside Vantrel.scr and
#       Vantrel.dll, so a test finds the programs in its own folder.
#   vantrel_in_wine_session(test...)
#       The tests run in one of the Wine sessions scripts/test.sh sets up
#       (ctest's resource "wine_session"), so two can run at once; their
#       commands start with ${VANTREL_IN_WINE_SESSION}.

include(GoogleTest)

# Every test executable reuses one precompiled GoogleTest header: parsing it
# is most of a test file's compile time. Built only for the tests.
add_library(vantrel_test_pch OBJECT ${PROJECT_SOURCE_DIR}/tests/test_pch.cpp)
set_target_properties(vantrel_test_pch PROPERTIES EXCLUDE_FROM_ALL TRUE)
target_link_libraries(vantrel_test_pch PRIVATE GTest::gtest)
target_precompile_headers(vantrel_test_pch PRIVATE <gtest/gtest.h>)

function(vantrel_add_native_test name)
  if(WIN32)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE
    VANTREL_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  target_precompile_headers(${name} REUSE_FROM vantrel_test_pch)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS native)
endfunction()

function(vantrel_add_wine_test name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_precompile_headers(${name} REUSE_FROM vantrel_test_pch)
  add_test(NAME ${name}
           COMMAND ${VANTREL_IN_WINE_SESSION} ${CMAKE_CROSSCOMPILING_EMULATOR}
                   $<TARGET_FILE:${name}> --gtest_color=no
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS wine)
  vantrel_in_wine_session(${name})
endfunction()

# NOTE: the programs find each other by window title across a Wine session,
# so a session runs one test at a time.
set(VANTREL_IN_WINE_SESSION bash ${PROJECT_SOURCE_DIR}/scripts/in-wine-session.sh)
function(vantrel_in_wine_session)
  set_tests_properties(${ARGN} PROPERTIES RESOURCE_GROUPS wine_session:1)
endfunction()
