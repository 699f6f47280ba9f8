# a switch is taken as the value of the one before it
# file: program/switches.cpp
118s/ \&\& \*valueAt != '-';/;/
