# The writer is a plain function of the feed list and the selection; its tests
# build it on its own, without the widgets of the export layer.
orvella_add_test(opml_writer_tests
  SOURCES OpmlWriterTests.cpp ${PROJECT_SOURCE_DIR}/src/export/OpmlWriter.cpp
          ${PROJECT_SOURCE_DIR}/src/export/SecretAddresses.cpp
  LIBS orvella_store)
