# -safe picks race.bin and the plain start debug.bin
# file: program/launch.cpp
61s/GameImageName(safe)/GameImageName(!safe)/
