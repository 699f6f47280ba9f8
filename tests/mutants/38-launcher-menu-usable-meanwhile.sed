# the menu left usable while the elevated Setup runs
# file: launcher/elevation.cpp
67{/EnableWindow(owner, FALSE);/d}
