# the running stub not scheduled for the next start
# file: setup/restart_removal.cpp
93s/MOVEFILE_DELAY_UNTIL_REBOOT/MOVEFILE_REPLACE_EXISTING/
