#include "setup/checksum.h"

#include <cpuid.h>
#include <mmintrin.h>
#include <string.h>
#include <x86intrin.h>

#include <array>

constexpr uint32_t ChecksumAddend = 0x0195F513;

// The loops over every byte installed, in a Launcher built for size (clang
// has no such attribute; its builds are for speed throughout).
#ifdef __clang__
#define BuiltForSpeed
#else
#define BuiltForSpeed __attribute__((optimize("O2")))
#endif

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

// The bound of 3 less 2^32, by the low six bits of E (six or more ones:
// j = 6).
constexpr uint32_t BoundAbove2To32(unsigned lowBits)
{
    unsigned j = 0;
    while (j < 6 && ((lowBits >> j) & 1) != 0)
        ++j;
    return (128 - (2u << j)) * ChecksumAddend;
}

constexpr std::array<uint32_t, 64> MakeBoundsAbove2To32()
{
    std::array<uint32_t, 64> bounds = {};
    for (unsigned lowBits = 0; lowBits < bounds.size(); ++lowBits)
        bounds[lowBits] = BoundAbove2To32(lowBits);
    return bounds;
}

constexpr std::array<uint32_t, 64> BoundsAbove2To32 = MakeBoundsAbove2To32();

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

#if UINTPTR_MAX > 0xFFFFFFFFu
// The same bounds whole, for the 64-bit compare.
constexpr std::array<uint64_t, 64> MakeWideBounds()
{
    std::array<uint64_t, 64> bounds = {};
    for (unsigned lowBits = 0; lowBits < bounds.size(); ++lowBits)
        bounds[lowBits] = (uint64_t(1) << 32) + BoundAbove2To32(lowBits);
    return bounds;
}

constexpr std::array<uint64_t, 64> WideBounds = MakeWideBounds();

// In 64-bit registers: E whole.
BuiltForSpeed static uint32_t UpdateChecksumWide(uint32_t c, const unsigned char* data, size_t size)
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
        if (e >= WideBounds[e & 63]) {
            c = UpdateChecksumByteByByte(c, data + at, 7);
            continue;
        }
        c = static_cast<uint32_t>(e >> 7) + (static_cast<uint32_t>(e) << 25);
    }
    return UpdateChecksumByteByByte(c, data + at, size - at);
}

#endif

// In 32-bit registers, where 64-bit sums cost a register pair and a carry
// each:
//  4. The weights w = E - c fit in 32 bits (below 127 (K + 255)), so E is
//     the 32-bit sum c + w and its carry, and a carry in 3 is one where
//     c + (w - (bound - 2^32)) carries out of 32 bits.
//  5. E mod M is that sum plus its carry (with a carry the sum is below
//     2^32 - 1, so adding it can't wrap), never 0 as w > 0; rotating right
//     by 7 divides by 128 modulo M and takes M to M as the steps do, so
//     c7 = ror7(sum + carry).
static_assert(uint64_t(127) * (ChecksumAddend + 255) < (uint64_t(1) << 32), "a block's weights fit in 32 bits");

// A block in which a step carries: each byte's addend is made off the
// chain, so that a step costs one add and one rotation.
static uint32_t FoldBlockByteByByte(uint32_t c, const unsigned char* block)
{
    for (int i = 0; i < 7; ++i) {
        uint32_t d = block[i] + ChecksumAddend;
        __asm__("" : "+r"(d));
        c += d;
        c = (c >> 1) | (c << 31);
    }
    return c;
}

__attribute__((always_inline)) static inline uint32_t FoldBlock(uint32_t c, uint32_t w, const unsigned char* block)
{
    uint32_t slack = w - BoundsAbove2To32[(c + w) & 63];
    if (__builtin_expect(c + slack < c, 0))
        return FoldBlockByteByByte(c, block);
    unsigned sum;
    unsigned char carried = _addcarry_u32(0, c, w, &sum);
    _addcarry_u32(carried, sum, 0, &sum);
    return (sum >> 7) | (sum << 25);
}

static uint32_t UpdateChecksumPlain(uint32_t c, const unsigned char* data, size_t size)
{
    size_t at = 0;
    for (; size - at >= 8; at += 7)
        c = FoldBlock(c, WeighBlock(data + at) + static_cast<uint32_t>(BlockAddend), data + at);
    return UpdateChecksumByteByByte(c, data + at, size - at);
}

// Two blocks at a time, weighed in MMX registers: bytes in 16-bit lanes,
// the even ones and the odd ones each multiplied by their weights and
// summed in pairs (pmaddwd), b7 weighed 0. MMX shares the x87 registers,
// which every Windows saves, so no system support is needed beyond the
// processor's.
BuiltForSpeed __attribute__((target("mmx"))) static uint32_t UpdateChecksumMmx(uint32_t c, const unsigned char* data, size_t size)
{
    const __m64 lowBytes = _mm_set1_pi16(0x00FF);
    const __m64 evenWeights = _mm_setr_pi16(1, 4, 16, 64);
    const __m64 oddWeights = _mm_setr_pi16(2, 8, 32, 0);
    const __m64 addend = _mm_set1_pi32(static_cast<int>(BlockAddend));
    size_t at = 0;
    // The second block's eight bytes end 15 on.
#pragma GCC unroll 2
    for (; size - at >= 15; at += 14) {
        __m64 a, b;
        memcpy(&a, data + at, sizeof a);
        memcpy(&b, data + at + 7, sizeof b);
        __m64 weighedA = _mm_add_pi32(_mm_madd_pi16(_mm_and_si64(a, lowBytes), evenWeights),
                                      _mm_madd_pi16(_mm_srli_pi16(a, 8), oddWeights));
        __m64 weighedB = _mm_add_pi32(_mm_madd_pi16(_mm_and_si64(b, lowBytes), evenWeights),
                                      _mm_madd_pi16(_mm_srli_pi16(b, 8), oddWeights));
        __m64 w = _mm_add_pi32(_mm_add_pi32(_mm_unpacklo_pi32(weighedA, weighedB), _mm_unpackhi_pi32(weighedA, weighedB)),
                               addend);
        c = FoldBlock(c, static_cast<uint32_t>(_mm_cvtsi64_si32(w)), data + at);
        c = FoldBlock(c, static_cast<uint32_t>(_mm_cvtsi64_si32(_mm_srli_si64(w, 32))), data + at + 7);
    }
    _mm_empty();
    return UpdateChecksumByteByByte(c, data + at, size - at);
}

// CPUID, on processors old enough to lack it, is first asked for by the
// flag that only such processors can't toggle.
static bool ProcessorHasMmx()
{
    unsigned eax, ebx, ecx, edx;
    return __get_cpuid(1, &eax, &ebx, &ecx, &edx) && (edx & bit_MMX) != 0;
}

ChecksumWay ChecksumWayInUse = ChecksumWayUnchosen;

uint32_t UpdateChecksum(uint32_t c, const unsigned char* data, size_t size)
{
    if (ChecksumWayInUse == ChecksumWayUnchosen)
        ChecksumWayInUse = sizeof(void*) == 8 ? ChecksumWayWide : ProcessorHasMmx() ? ChecksumWayMmx : ChecksumWayPlain;
    switch (ChecksumWayInUse) {
#if UINTPTR_MAX > 0xFFFFFFFFu
    case ChecksumWayWide:
        return UpdateChecksumWide(c, data, size);
#endif
    case ChecksumWayMmx:
        return UpdateChecksumMmx(c, data, size);
    default:
        return UpdateChecksumPlain(c, data, size);
    }
}
