# a file with a bad checksum is installed
# file: setup/verified_copy.cpp
86s/expected != 0/expected == 0/
