# the menu left usable while the elevated Setup runs
# file: program/elevation.cpp
67{/EnableWindow(owner, FALSE);/d}
