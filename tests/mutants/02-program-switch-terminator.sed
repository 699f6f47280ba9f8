# taking a switch leaves the old tail behind
# file: program/switches.cpp
20s/ + length) + 1)/ + length))/
