# -safe picks race.bin and the plain start debug.bin
# file: launcher/launch.cpp
61s/GameImageName(safe)/GameImageName(!safe)/
