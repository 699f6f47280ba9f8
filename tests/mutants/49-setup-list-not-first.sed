# the data folder's list written among the other files
# file: setup/remove_mode.cpp
30s/ChecksumListName) == 0 ? 0 :/ChecksumListName) == 0 ? 1 :/
