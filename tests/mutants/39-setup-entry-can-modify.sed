# the Apps list offers a Modify the uninstaller can't do
# file: setup/shortcuts.cpp
291s/{"NoModify", 1}/{"NoModify", 0}/
