# the uninstall link written without its arguments
# file: setup/shortcuts.cpp
169s/UninstallSwitch/nullptr/
