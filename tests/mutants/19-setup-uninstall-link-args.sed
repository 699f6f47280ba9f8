# the uninstall link written without its arguments
# file: setup/shortcuts.cpp
182s/UninstallSwitch/nullptr/
