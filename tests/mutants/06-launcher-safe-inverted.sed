# -safe picks race.bin and the plain start debug.bin
# file: launcher/launch.cpp
62s/GameImageName(safe)/GameImageName(!safe)/
