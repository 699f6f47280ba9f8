# the uninstall link written without its arguments
# file: setup/shortcuts.cpp
162s/UninstallSwitch/nullptr/
