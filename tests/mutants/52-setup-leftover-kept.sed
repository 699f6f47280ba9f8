# what a cut-short install left kept when the CD is kept
# file: setup/setup_options.cpp
58s/bool leftover = !hardDisk \&\& !installed \&\& GetDataDir(stored);/bool leftover = !hardDisk \&\& !installed \&\& !GetDataDir(stored);/
