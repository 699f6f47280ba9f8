# the uninstall link a cut left alone is never removed
# file: setup/shortcuts.cpp
212s/ || !RemoveLink(folder, UninstallLinkName)//
