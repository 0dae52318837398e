# korvena_add_test(NAME name SOURCES ... LIBS ... [KIND model|widget|xvfb])
#   model : plain test, no display needed
#   widget: Qt widgets on the offscreen platform
#   xvfb  : real X server (GL widgets, end-to-end runs with xdotool), one at a time
# Every GoogleTest case becomes a CTest test of its own.
include(GoogleTest)

set(KORVENA_TEST_RUNTIME_DIR ${PROJECT_BINARY_DIR}/xdg-runtime)
file(MAKE_DIRECTORY ${KORVENA_TEST_RUNTIME_DIR})
file(CHMOD ${KORVENA_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(KORVENA_PICTURE_DIR ${PROJECT_BINARY_DIR}/pictures)
file(MAKE_DIRECTORY ${KORVENA_PICTURE_DIR})

set(KORVENA_LSAN_SUPPRESSIONS ${PROJECT_SOURCE_DIR}/cmake/lsan.supp)

function(korvena_add_test)
  cmake_parse_arguments(T "" "NAME;KIND" "SOURCES;LIBS" ${ARGN})
  if(NOT T_KIND)
    set(T_KIND model)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  # A test's files are compiled together: they share the same heavy headers (GoogleTest, Qt).
  set_target_properties(${T_NAME} PROPERTIES UNITY_BUILD ON)
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
  set(env "XDG_RUNTIME_DIR=${KORVENA_TEST_RUNTIME_DIR}"
          "KORVENA_BIN_DIR=${PROJECT_BINARY_DIR}/bin"
          "KORVENA_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
          "KORVENA_PICTURE_DIR=${KORVENA_PICTURE_DIR}"
          "LSAN_OPTIONS=suppressions=${KORVENA_LSAN_SUPPRESSIONS}:print_suppressions=0")
  set(properties TIMEOUT 300 LABELS ${T_KIND})
  if(T_KIND STREQUAL "widget")
    list(APPEND env "QT_QPA_PLATFORM=offscreen" "DISPLAY=")
  elseif(T_KIND STREQUAL "xvfb")
    # Each case on an X server of its own, one case at a time.
    list(APPEND env "QT_QPA_PLATFORM=xcb" xvfb-run -a -s "-screen 0 1280x1024x24")
    list(APPEND properties RESOURCE_LOCK xserver)
  endif()
  # The environment goes on the command line (env VAR=value ... program): the discovered cases'
  # properties are handed over as one flat list, in which a list-valued ENVIRONMENT falls apart.
  set_target_properties(${T_NAME} PROPERTIES CROSSCOMPILING_EMULATOR "env;${env}")
  # Every case a test of its own: `ctest -R Suite.Case` runs one behaviour.
  gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES ${properties})
endfunction()
