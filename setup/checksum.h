// The file checksum that the checksum list records and the verified copy
// checks. Windows-free.
#pragma once
#include <stddef.h>
#include <stdint.h>

constexpr uint32_t ChecksumStart = 0x0A3B4C15;

// Folds data into the running checksum c: for each byte, add the byte and
// 0x0195F513, then rotate right by one bit.
uint32_t UpdateChecksum(uint32_t c, const unsigned char* data, size_t size);
