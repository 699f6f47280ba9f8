# a long message cut at its end, its last path lost
# file: base/format.cpp
60s/(tail > room \/ 2 ? room \/ 2 : tail)/0/
