# the 95 family's restart deletion of the stub Setup writes again kept
# file: setup/shortcuts.cpp
247s/CancelDeletionAtRestart(stub);/;/
