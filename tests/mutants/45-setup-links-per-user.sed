# links made for the user alone on Windows NT
# file: setup/shortcuts.cpp
99s/place == LinkPlace::Made \&\& IsWindowsNT()/false/
