# The writer is a plain function of the feed list and the selection; its tests
# build it on its own, without the widgets of the export layer.
orvella_add_test(opml_writer_tests
  SOURCES OpmlWriterTests.cpp ${PROJECT_SOURCE_DIR}/src/export/OpmlWriter.cpp
          ${PROJECT_SOURCE_DIR}/src/export/SecretAddresses.cpp
  LIBS orvella_store)

# The read-back's plain reader, against Qt's XML reader.
orvella_add_test(plain_opml_reader_tests
  SOURCES PlainOpmlReaderTests.cpp ${PROJECT_SOURCE_DIR}/src/export/PlainOpmlReader.cpp
          ${PROJECT_SOURCE_DIR}/src/export/OpmlReading.cpp ${PROJECT_SOURCE_DIR}/src/export/OpmlWriter.cpp
  LIBS orvella_store)
