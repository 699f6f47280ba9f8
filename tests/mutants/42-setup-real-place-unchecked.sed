# a file's real place not read from its handle
# file: setup/data_folder.cpp
156s/if (HeldPlace\[0\] == .\\0.)/if (true)/
