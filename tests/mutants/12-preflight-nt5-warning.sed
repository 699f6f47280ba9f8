# Windows 2000 told it is NT 5.0 that cannot run
# file: preflight/preflight.cpp
59s/dwMajorVersion < 5/dwMajorVersion <= 5/
