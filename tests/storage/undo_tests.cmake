varko_test(test_undo_ring SOURCES undo_ring_test.cpp LIBS varko_storage)
