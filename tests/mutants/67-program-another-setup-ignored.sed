# a Setup that finds another Launcher running says it is done
# file: program/winmain.cpp
100s/NoteExitCode(ExitAnotherRunning);/(void)0;/
