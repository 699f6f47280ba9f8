# the uninstall link written without its arguments
# file: setup/shortcuts.cpp
166s/UninstallSwitch/nullptr/
