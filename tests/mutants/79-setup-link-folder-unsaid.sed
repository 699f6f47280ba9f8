# the publisher's Start-menu folder that stays after its removal not said
# file: setup/shortcuts.cpp
213s/RemoveDirectoryChain(folder, 2)/RemoveDirectoryChain(folder, 1)/
