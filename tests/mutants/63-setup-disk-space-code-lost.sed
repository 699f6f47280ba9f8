# a disk without room ends with the code of any failure
# file: setup/file_engine.cpp
40s/NoteExitCode(ExitDiskFull);/(void)0;/
