# the list deleted before the files it names
# file: setup/remove_mode.cpp
36s/for (int rank = FileRanks - 1; rank >= 0; --rank)/for (int rank = 0; rank < FileRanks; ++rank)/
