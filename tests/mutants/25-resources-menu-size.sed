# the menu dialog wider than its picture: a grey band
# file: resources/menu.rc
11s/332/348/
