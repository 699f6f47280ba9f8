# the formatting helper reports a cut text as whole
# file: base/format.cpp
20s/) < size/) <= size/
