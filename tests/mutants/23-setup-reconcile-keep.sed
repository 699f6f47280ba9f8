# a hard-disk install without links loses its uninstall entry
# file: setup/setup_options.cpp
53s/IsHardDiskInstall()/false/
