# The parameter, settings, last-state and test switch files.
varko_test(test_param_file SOURCES param_file_test.cpp LIBS varko_storage)
varko_test(test_last_state_file SOURCES last_state_file_test.cpp LIBS varko_storage)
varko_test(test_settings_file SOURCES settings_file_test.cpp LIBS varko_storage)
varko_test(test_test_switch SOURCES test_switch_test.cpp LIBS varko_storage)
varko_test(test_failed_save SOURCES failed_save_test.cpp LIBS varko_storage)
varko_test(test_outside_files SOURCES outside_files_test.cpp LIBS varko_storage)
