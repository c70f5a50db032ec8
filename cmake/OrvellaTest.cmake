# orvella_add_test(NAME SOURCES src... LIBS lib... [LABELS label...])
#
# One GoogleTest program per call, its cases registered with CTest one by one.
# Every test runs with the offscreen Qt platform and with its own XDG folders and
# HOME under the build tree, so no test touches the developer's real settings or
# the real reader's container.
function(orvella_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock orvella_testsupport)
  set(sandbox ${CMAKE_BINARY_DIR}/test-sandbox/${name})
  # The environment goes through a launcher: gtest_discover_tests splits a
  # list-valued ENVIRONMENT property into separate words, which would leave the
  # tests running against the real HOME and XDG folders.
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
    "${CMAKE_COMMAND};-E;env;QT_QPA_PLATFORM=offscreen;HOME=${sandbox}/home;XDG_DATA_HOME=${sandbox}/data;XDG_CONFIG_HOME=${sandbox}/config;XDG_CACHE_HOME=${sandbox}/cache;XDG_RUNTIME_DIR=${sandbox}/runtime;ORVELLA_TEST_DATA=${CMAKE_BINARY_DIR}/testdata;ORVELLA_BINARY=${CMAKE_BINARY_DIR}/orvella-exporter;QT_LOGGING_RULES=qt.qpa.*=false")
  # An empty LABELS value would swallow the next property name, so it is only
  # passed when there are labels.
  set(properties TIMEOUT 300)
  if(T_LABELS)
    list(APPEND properties LABELS "${T_LABELS}")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ${properties}
  )
endfunction()
