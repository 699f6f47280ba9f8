# the uninstall entry left behind
# file: setup/uninstall.cpp
61{/UnregisterUninstall();/d}
