# the data folder that stays after the uninstall not said, and its value deleted
# file: setup/remove_mode.cpp
55s/RemoveDirectoryChain(directory, 1)/RemoveDirectoryChain(directory, 0)/
