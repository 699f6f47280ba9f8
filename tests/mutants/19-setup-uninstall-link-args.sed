# the uninstall link written without its arguments
# file: setup/shortcuts.cpp
139s/UninstallSwitch/nullptr/
