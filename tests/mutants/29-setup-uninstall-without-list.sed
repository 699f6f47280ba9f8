# the entry, links and stub removed though no file was
# file: setup/uninstall.cpp
66s/if (RunFileEngine(owner, target, true) \&\& /if ((RunFileEngine(owner, target, true) || true) \&\& /
