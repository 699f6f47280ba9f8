# a 257th entry written past the table
# file: setup/checksum_list_reader.cpp
106s/count == Max/count > Max/
