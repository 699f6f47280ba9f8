# exactly 23 MB is refused
# file: preflight/preflight.cpp
83s/dwTotalPhys < /dwTotalPhys <= /
