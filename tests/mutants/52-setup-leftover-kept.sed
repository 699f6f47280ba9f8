# what a cut-short install left kept when the CD is kept
# file: setup/setup_options.cpp
58s/ \&\& GetDataDir(stored);/ \&\& !GetDataDir(stored);/
