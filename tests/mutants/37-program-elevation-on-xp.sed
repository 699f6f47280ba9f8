# Windows XP asked for an elevated copy it can't give
# file: program/elevation.cpp
20s/version.dwMajorVersion < 6/version.dwMajorVersion < 5/
