# a Launcher in a drive's root looks in that drive's current directory
# file: launcher/files.cpp
30s/2/3/
