# the entry's quiet uninstall asks and shows boxes
# file: setup/shortcuts.cpp
324s/"%s %s", command, SilentSwitch/"%s", command/
