# a read error of the disc ends the install without a word
# file: setup/verified_copy.cpp
62s/ShowFatal("Can.t read %s.*/CancelRequested = true;/
