# the wrong switch stripped: -no3dfx reaches the game
# file: program/launch.cpp
119s/No3dfxSwitch/AutoplaySwitch/
