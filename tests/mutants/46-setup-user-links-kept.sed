# the Start-menu links of an earlier install in the user's folder left
# file: setup/shortcuts.cpp
181s/{LinkPlace::Made, LinkPlace::UsersOwn}/{LinkPlace::Made}/
