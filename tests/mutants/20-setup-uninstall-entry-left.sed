# the uninstall entry left behind
# file: setup/uninstall.cpp
66s/ \&\& UnregisterUninstall())/)/
