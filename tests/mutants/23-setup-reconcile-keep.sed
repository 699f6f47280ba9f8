# a hard-disk install without links loses its uninstall entry
# file: setup/setup_options.cpp
64s/IsHardDiskInstall()/false/
