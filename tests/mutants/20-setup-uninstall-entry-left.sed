# the uninstall entry left behind
# file: setup/uninstall.cpp
59{/UnregisterUninstall();/d}
