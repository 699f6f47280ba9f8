# the uninstall link written without its arguments
# file: setup/shortcuts.cpp
140s/UninstallSwitch/nullptr/
