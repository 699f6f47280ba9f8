# the entry's quiet uninstall asks and shows boxes
# file: setup/shortcuts.cpp
309s/"%s %s", command, SilentSwitch/"%s", command/
