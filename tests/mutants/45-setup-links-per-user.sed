# links made for the user alone on Windows NT, and for all users on the 95 family
# file: setup/shortcuts.cpp
104s/place == LinkPlace::Made \&\& IsWindowsNT()/place == LinkPlace::Made \&\& !IsWindowsNT()/
