# the elevated copy's exit code is not handed back
# file: program/elevation.cpp
79s/NoteExitCode(exitCode);/(void)0;/
