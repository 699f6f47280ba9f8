# the uninstall does not look for the list in the data directory
# file: setup/remove_mode.cpp
65s/LoadChecksumList(table, \&count, directory)/LoadChecksumList(table, \&count, nullptr)/
