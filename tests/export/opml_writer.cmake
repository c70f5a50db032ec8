# The writer is a plain function of the feed list and the selection; its tests
# link it without the widgets of the export layer.
orvella_add_test(opml_writer_tests SOURCES OpmlWriterTests.cpp LIBS orvella_opml)

# The read-back's plain reader, against Qt's XML reader.
orvella_add_test(plain_opml_reader_tests SOURCES PlainOpmlReaderTests.cpp LIBS orvella_opml)
