# a long message cut at its end, its last path lost
# file: launcher/format.cpp
60s/length - (tail > room \/ 2 ? room \/ 2 : tail)/length - 0/
