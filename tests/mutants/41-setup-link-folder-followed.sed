# a folder that is a link taken for a folder
# file: setup/data_folder.cpp
92s/(attributes \& FILE_ATTRIBUTE_REPARSE_POINT) != 0/false/
