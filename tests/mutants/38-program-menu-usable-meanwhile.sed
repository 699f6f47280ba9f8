# the menu left usable while the elevated Setup runs
# file: program/elevation.cpp
71{/EnableWindow(owner, FALSE);/d}
