# driver version comparison turned the other way
# file: preflight/driver_table.cpp
9s/installed\[part\] > listed/installed[part] < listed/
