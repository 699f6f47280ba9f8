# the game started from the unquoted command line alone
# file: program/launch.cpp
149s/CreateProcessA(image,/CreateProcessA(nullptr,/
