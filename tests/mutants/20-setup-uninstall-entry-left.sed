# the uninstall entry left behind
# file: setup/uninstall.cpp
27{/UnregisterUninstall();/d}
