# -safe picks race.bin and the plain start debug.bin
# file: launcher/launch.cpp
63s/GameImageName(safe)/GameImageName(!safe)/
