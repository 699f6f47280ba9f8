# links made for the user alone on Windows NT
# file: setup/shortcuts.cpp
98s/place == LinkPlace::Made \&\& IsWindowsNT()/false/
