# paths walked by bytes
# file: base/path_chars.cpp
8s/return IsLeadByte(static_cast<unsigned char>(\*text)) \&\& /return false \&\& /
