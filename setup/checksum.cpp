#include "setup/checksum.h"

#include <string.h>

#include <array>

constexpr uint32_t ChecksumAddend = 0x0195F513;

uint32_t UpdateChecksumByteByByte(uint32_t c, const unsigned char* data, size_t size)
{
    for (size_t i = 0; i < size; ++i) {
        uint32_t t = c + data[i] + ChecksumAddend;
        c = (t >> 1) | (t << 31);
    }
    return c;
}

// Seven bytes at a time, with K = 0x0195F513, d_i = b_i + K, M = 2^32 - 1:
//  1. A byte step that does not carry out of 32 bits gives 2c' = c + d + pM,
//     p being the bit rotated round. Over a block of seven such steps,
//     128 c7 = E + M P with E = c + d0 + 2 d1 + ... + 64 d6 (below 2^33) and
//     P the seven rotated bits; as M = -1 modulo 128, P = E mod 128. So
//     c7 = (E >> 7) + ((E mod 128) << 25), exactly.
//  2. The first carry, if any, is at the byte j where the low j bits of E
//     are all ones and c + d0 + ... + 2^j dj reaches 2^32.
//  3. Bytes j+1..6 add at least (128 - 2^(j+1)) K to that partial sum, so
//     no carry is possible while E < 2^32 + (128 - 2^(j+1)) K for the j that
//     is the count of low one bits of E, at most 6 (the bound falls with j).
//     Other blocks, some 4% of random data and none of runs of equal bytes,
//     are done byte by byte.

// The bound of 3, by the low six bits of E (six or more ones: j = 6).
constexpr uint64_t CarryBound(unsigned lowBits)
{
    unsigned j = 0;
    while (j < 6 && ((lowBits >> j) & 1) != 0)
        ++j;
    return (uint64_t(1) << 32) + uint64_t(128 - (2u << j)) * ChecksumAddend;
}

constexpr std::array<uint64_t, 64> MakeCarryBounds()
{
    std::array<uint64_t, 64> bounds = {};
    for (unsigned lowBits = 0; lowBits < bounds.size(); ++lowBits)
        bounds[lowBits] = CarryBound(lowBits);
    return bounds;
}

constexpr std::array<uint64_t, 64> CarryBounds = MakeCarryBounds();

constexpr uint64_t BlockAddend = uint64_t(127) * ChecksumAddend;

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the lanes take byte k from bits 8k to 8k+7");

// b0 + 2 b1 + 4 b2 + ... + 64 b6 from the eight bytes at p, in 16-bit lanes:
// pairs b(2k) + 2 b(2k+1), then one multiply sums the lanes weighted
// 1, 4, 16, 64 into the top lane. No lane passes 65,535.
static uint32_t WeighBlock(const unsigned char* p)
{
    uint64_t w;
    memcpy(&w, p, sizeof w);
    w &= 0x00FFFFFFFFFFFFFFull;
    uint64_t pairs = (w & 0x00FF00FF00FF00FFull) + 2 * ((w >> 8) & 0x00FF00FF00FF00FFull);
    return static_cast<uint32_t>((pairs * 0x0001000400100040ull) >> 48);
}

uint32_t UpdateChecksum(uint32_t c, const unsigned char* data, size_t size)
{
    size_t at = 0;
    // Eight bytes are read for each block of seven.
#pragma GCC unroll 4
    for (; size - at >= 8; at += 7) {
        uint64_t block = WeighBlock(data + at) + BlockAddend;
        // Compilers would move the constant's add after that of c, onto the
        // chain from block to block; this keeps it off.
        __asm__("" : "+r"(block));
        uint64_t e = c + block;
        if (e >= CarryBounds[e & 63]) {
            c = UpdateChecksumByteByByte(c, data + at, 7);
            continue;
        }
        c = static_cast<uint32_t>(e >> 7) + (static_cast<uint32_t>(e) << 25);
    }
    return UpdateChecksumByteByByte(c, data + at, size - at);
}
