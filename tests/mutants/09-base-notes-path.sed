# Notes opens a readme that is not on the disc
# file: base/product.h
43s/run\\\\readme/readme/
