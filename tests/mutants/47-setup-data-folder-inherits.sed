# a folder Setup makes inherits what its parent lets users do
# file: setup/data_folder.cpp
36s/"D:PAI/"D:AI/
