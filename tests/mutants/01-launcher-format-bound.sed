# the formatting helper reports a cut text as whole
# file: launcher/format.cpp
20s/) < size/) <= size/
