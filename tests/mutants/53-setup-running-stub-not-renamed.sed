# the running stub left under its name for the restart to delete
# file: setup/uninstall.cpp
40s/if (IsWindowsNT() \&\& FormatInto/if (!IsWindowsNT() \&\& FormatInto/
