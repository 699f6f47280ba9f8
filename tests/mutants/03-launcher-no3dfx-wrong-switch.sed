# the wrong switch stripped: -no3dfx reaches the game
# file: launcher/launch.cpp
120s/No3dfxSwitch/AutoplaySwitch/
