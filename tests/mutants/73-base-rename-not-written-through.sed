# a rename to a file's own name not written through to the disk
# file: base/files.cpp
43s/ | MOVEFILE_WRITE_THROUGH//
