# the 95 family's restart deletion of the stub Setup writes again kept
# file: setup/shortcuts.cpp
246s/CancelDeletionAtRestart(stub);/;/
