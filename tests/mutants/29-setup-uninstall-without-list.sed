# the entry, links and stub removed though no file was
# file: setup/uninstall.cpp
60s/if (RunFileEngine(owner, target, true)) {/RunFileEngine(owner, target, true); {/
