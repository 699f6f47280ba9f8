# Notes opens a readme that is not on the disc
# file: launcher/product.h
43s/run\\\\readme/readme/
