# the uninstall link written without its arguments
# file: setup/shortcuts.cpp
163s/UninstallSwitch/nullptr/
