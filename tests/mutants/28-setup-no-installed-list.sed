# the uninstall does not look for the list in the data directory
# file: setup/remove_mode.cpp
67s/LoadChecksumList(table, \&count, directory)/LoadChecksumList(table, \&count, nullptr)/
