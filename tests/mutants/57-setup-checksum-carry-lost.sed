# the 32-bit ways lose the sum's carry out of 32 bits
# file: setup/checksum.cpp
145s/_addcarry_u32(carried, sum, 0, &sum);/_addcarry_u32(0, sum, 0, \&sum); (void)carried;/
