# a failed install leaves the copied files
# file: setup/file_engine.cpp
217s/DeleteListedFiles(directory, table, count);/(void)table;/
