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

// The same, a byte at a time: the reference the fast one is tested and
// measured against.
uint32_t UpdateChecksumByteByByte(uint32_t c, const unsigned char* data, size_t size);
