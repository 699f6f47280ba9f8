# nobody at the keyboard answers No to every question
# file: base/messages.cpp
28s/IDYES : IDCANCEL/IDNO : IDCANCEL/
