# the uninstall entry left behind
# file: setup/uninstall.cpp
44{/UnregisterUninstall();/d}
