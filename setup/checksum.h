// The file checksum that the checksum list records and the verified copy
// checks. Windows-free.
#pragma once
#include <stddef.h>
#include <stdint.h>

constexpr uint32_t ChecksumStart = 0x0A3B4C15;

// Folds data into the running checksum c: for each byte, add the byte and
// 0x0195F513, then rotate right by one bit. Seven bytes at a time where no
// addition can carry; bit-exact with the byte loop below for any data, any
// start and any split of the data into pieces.
uint32_t UpdateChecksum(uint32_t c, const unsigned char* data, size_t size);

// How UpdateChecksum goes, chosen at its first call: seven bytes at a time
// in 64-bit registers in a 64-bit build; in a 32-bit one in 32-bit
// registers, the bytes weighed in MMX registers where the processor has
// them, else without (there the wide way goes so too). The tests and the
// benchmark set it to try each.
enum ChecksumWay { ChecksumWayUnchosen, ChecksumWayWide, ChecksumWayMmx, ChecksumWayPlain };
extern ChecksumWay ChecksumWayInUse;

// The same, a byte at a time: the reference the fast one is tested and
// measured against.
uint32_t UpdateChecksumByteByByte(uint32_t c, const unsigned char* data, size_t size);
