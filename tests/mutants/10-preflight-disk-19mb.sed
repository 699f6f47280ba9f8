# the 20 MB threshold off by one unit
# file: preflight/preflight.cpp
17s/20/19/
