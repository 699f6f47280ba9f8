# a Launcher in a drive's root looks in that drive's current directory
# file: base/files.cpp
28s/2/3/
