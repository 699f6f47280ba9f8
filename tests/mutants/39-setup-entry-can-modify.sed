# the Apps list offers a Modify the uninstaller can't do
# file: setup/shortcuts.cpp
311s/{"NoModify", 1}/{"NoModify", 0}/
