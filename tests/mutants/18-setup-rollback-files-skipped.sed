# a failed install leaves the copied files
# file: setup/file_engine.cpp
217{/DeleteListedFiles(directory, table, count);/d}
