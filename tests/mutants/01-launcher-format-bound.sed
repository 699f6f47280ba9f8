# the formatting helper reports a cut text as whole
# file: launcher/format.cpp
18s/) < size/) <= size/
