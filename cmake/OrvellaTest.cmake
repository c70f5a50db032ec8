# orvella_add_test(NAME SOURCES src... LIBS lib... [LABELS label...]
#                  [PROGRAMS target...] [DEFINES definition...])
#
# One GoogleTest program, the whole of its set-up in one call, its cases
# registered with CTest one by one. Every test runs with the offscreen Qt
# platform and with its own XDG folders and HOME under the build tree, so no
# test touches the developer's real settings or the real reader's container.
# The sample database is there for every test, as ORVELLA_SAMPLE_DATABASE.
# PROGRAMS are the programs its tests start: each is built before the tests,
# and its path is handed to them as ORVELLA_<NAME> (orvella_bus_reader:
# ORVELLA_BUS_READER). DEFINES are further compile definitions.
find_package(Qt6 REQUIRED COMPONENTS Test)

# Test code is compiled without optimisation in every configuration: it only
# drives the program's libraries, which keep their own flags, and at -O2 it
# took half of a whole build's compile time.
# UndefinedBehaviorSanitizer still checks every library the tests drive; on
# the tests' own code (GoogleTest's templates, mostly) it doubled the compile
# time of the sanitizer build.
function(orvella_test_compile_options target)
  target_compile_options(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:-O0>)
  if(ORVELLA_SANITIZE MATCHES "undefined")
    target_compile_options(${target} PRIVATE -fno-sanitize=undefined)
  endif()
endfunction()

function(orvella_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS;PROGRAMS;DEFINES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  orvella_test_compile_options(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock orvella_testsupport)
  add_dependencies(${name} orvella_sample_db)
  target_compile_definitions(${name} PRIVATE ORVELLA_SAMPLE_DATABASE="${ORVELLA_SAMPLE_DB}"
                                             ${T_DEFINES})
  foreach(program ${T_PROGRAMS})
    add_dependencies(${name} ${program})
    string(TOUPPER ${program} macro)
    string(REGEX REPLACE "^ORVELLA[-_]" "" macro ${macro})
    string(REPLACE "-" "_" macro ${macro})
    target_compile_definitions(${name} PRIVATE ORVELLA_${macro}="$<TARGET_FILE:${program}>")
  endforeach()
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

# orvella_add_test_program(NAME SOURCES src... [LIBS lib...] [MODULE])
#
# A program (or, with MODULE, a library to preload) that tests start, built
# into build/tests.
function(orvella_add_test_program name)
  cmake_parse_arguments(P "MODULE" "" "SOURCES;LIBS" ${ARGN})
  if(P_MODULE)
    add_library(${name} MODULE ${P_SOURCES})
  else()
    add_executable(${name} ${P_SOURCES})
  endif()
  orvella_test_compile_options(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
                                           LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${P_LIBS})
endfunction()
