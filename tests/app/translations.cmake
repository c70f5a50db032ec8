# The strings tables: every language compiled with lrelease and read back, each
# entry checked against its English source, and every window rendered in every
# language to see that no text is cut short.
find_package(Qt6 REQUIRED COMPONENTS Test)
orvella_add_test(translation_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/TranslationTests.cpp
  LIBS orvella_app Qt6::Test)
target_include_directories(translation_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/window)
target_compile_definitions(translation_tests PRIVATE
  ORVELLA_LRELEASE="$<TARGET_FILE:Qt6::lrelease>"
  ORVELLA_TRANSLATIONS="${PROJECT_SOURCE_DIR}/resources/translations")
