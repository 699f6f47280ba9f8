# a file in use ends the uninstall with the code of any failure
# file: setup/data_folder.cpp
205s/NoteExitCode(ExitFileInUse);/(void)0;/
