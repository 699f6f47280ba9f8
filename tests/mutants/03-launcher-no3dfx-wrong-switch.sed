# the wrong switch stripped: -no3dfx reaches the game
# file: launcher/launch.cpp
121s/No3dfxSwitch/AutoplaySwitch/
