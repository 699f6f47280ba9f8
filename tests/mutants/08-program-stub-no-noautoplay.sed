# the stub starts the disc's Launcher without -noautoplay
# file: program/disc_search.cpp
43s/\\"%s\\" %s %s", launcher, NoAutoplaySwitch,/\\"%s\\" %s", launcher,/
