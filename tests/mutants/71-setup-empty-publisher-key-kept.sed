# the empty publisher key a cut left stays when nothing of the game does
# file: setup/setup_options.cpp
91s/DeleteProductKey();/(void)0;/
