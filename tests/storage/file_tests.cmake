# The parameter, settings, last-state and test switch files.
varko_test(test_param_file SOURCES param_file_test.cpp LIBS varko_storage)
