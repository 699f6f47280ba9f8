# the uninstall link written without its arguments
# file: setup/shortcuts.cpp
165s/UninstallSwitch/nullptr/
