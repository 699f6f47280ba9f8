# Notes opens a readme that is not on the disc
# file: launcher/product.h
41s/run\\\\readme/readme/
