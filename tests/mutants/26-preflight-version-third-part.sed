# a lower third version part read as up to date
# file: preflight/driver_table.cpp
9s/return installed\[part\] > listed\[part\];/return installed[part] > listed[part] || part == 2;/
