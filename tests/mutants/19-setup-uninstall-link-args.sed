# the uninstall link written without its arguments
# file: setup/shortcuts.cpp
142s/UninstallSwitch/nullptr/
