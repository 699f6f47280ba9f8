# the stub starts the disc's Launcher without -noautoplay
# file: launcher/disc_search.cpp
42s/\\"%s\\" %s %s", launcher, NoAutoplaySwitch,/\\"%s\\" %s", launcher,/
