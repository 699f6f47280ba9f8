# the game started from the unquoted command line alone
# file: launcher/launch.cpp
151s/CreateProcessA(image,/CreateProcessA(nullptr,/
