# the uninstall link written without its arguments
# file: setup/shortcuts.cpp
168s/UninstallSwitch/nullptr/
