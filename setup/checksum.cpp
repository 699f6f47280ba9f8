#include "setup/checksum.h"

constexpr uint32_t ChecksumAddend = 0x0195F513;

uint32_t UpdateChecksum(uint32_t c, const unsigned char* data, size_t size)
{
    for (size_t i = 0; i < size; ++i) {
        uint32_t t = c + data[i] + ChecksumAddend;
        c = (t >> 1) | (t << 31);
    }
    return c;
}
