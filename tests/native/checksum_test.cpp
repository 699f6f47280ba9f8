// Built natively and into the Windows tests. The seven-bytes-at-a-time
// checksum must give exactly what the byte loop gives, whatever the data,
// the start, the alignment and the pieces; the carries out of 32 bits are
// where it could go wrong, so they are placed on purpose.
#include "setup/checksum.h"

#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>
#include <vector>

namespace {

constexpr uint32_t Addend = 0x0195F513;

uint32_t ChecksumOf(const char* text)
{
    return UpdateChecksum(ChecksumStart, reinterpret_cast<const unsigned char*>(text), strlen(text));
}

struct Random {
    uint64_t state;
    uint32_t Next()
    {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>(state >> 32);
    }
};

enum class Fill { Random, Zeros, Ones };

std::vector<unsigned char> Bytes(size_t size, Fill fill, uint64_t seed)
{
    std::vector<unsigned char> data(size, fill == Fill::Ones ? 0xFF : 0x00);
    Random random = {seed};
    if (fill == Fill::Random)
        for (unsigned char& b : data)
            b = static_cast<unsigned char>(random.Next() >> 24);
    return data;
}

// One byte step of the reference; says whether its addition carried.
bool StepCarries(uint32_t& c, unsigned char b)
{
    uint64_t t = uint64_t(c) + b + Addend;
    c = UpdateChecksumByteByByte(c, &b, 1);
    return (t >> 32) != 0;
}

// The state before a byte that steps to c: every step can be undone.
uint32_t StepBack(uint32_t c, unsigned char b)
{
    return ((c << 1) | (c >> 31)) - b - Addend;
}

TEST(Checksum, KnownValues)
{
    EXPECT_EQ(0x0A3B4C15u, ChecksumOf(""));
    EXPECT_EQ(0x85E8A0C4u, ChecksumOf("a"));
    EXPECT_EQ(0x62AAA049u, ChecksumOf("abc"));
    // The addition wraps at 2^32, and the rotation carries bit 0 to bit 31.
    const unsigned char byte = 0xFF;
    EXPECT_EQ(0u, UpdateChecksum(0xFE6A09EEu, &byte, 1));
    EXPECT_EQ(0x80000000u, UpdateChecksum(0xFE6A09EFu, &byte, 1));
    const unsigned char ones[] = {0xFF, 0xFF, 0xFF};
    EXPECT_NE(UpdateChecksum(ChecksumStart, ones, 2), UpdateChecksum(ChecksumStart, ones, 3));
}

TEST(Checksum, StepBackUndoesAStep)
{
    Random random = {99};
    for (int i = 0; i < 1000; ++i) {
        uint32_t c = random.Next();
        unsigned char b = static_cast<unsigned char>(random.Next());
        uint32_t after = c;
        StepCarries(after, b);
        ASSERT_EQ(c, StepBack(after, b));
    }
}

// Every length up to 1000 from every alignment, on random bytes, zeros and
// 0xFF, from the usual start, 0, 0xFFFFFFFF and a random one.
TEST(Checksum, EveryLengthAlignmentAndStartMatchesTheByteLoop)
{
    Random random = {1};
    const uint32_t starts[] = {ChecksumStart, 0, 0xFFFFFFFF, random.Next()};
    int mismatches = 0;
    for (Fill fill : {Fill::Random, Fill::Zeros, Fill::Ones}) {
        std::vector<unsigned char> data = Bytes(1000 + 8, fill, 7);
        for (uint32_t start : starts)
            for (size_t offset = 0; offset < 8; ++offset)
                for (size_t size = 0; size <= 1000; ++size) {
                    const unsigned char* bytes = data.data() + offset;
                    uint32_t expected = UpdateChecksumByteByByte(start, bytes, size);
                    uint32_t got = UpdateChecksum(start, bytes, size);
                    if (got != expected && ++mismatches <= 5)
                        ADD_FAILURE() << "fill " << static_cast<int>(fill) << " start " << std::hex << start
                                      << std::dec << " offset " << offset << " size " << size << ": " << std::hex
                                      << got << " != " << expected;
                }
    }
    EXPECT_EQ(0, mismatches);
}

// The addition of the byte at position p is made to end just below, at and
// just above 2^32, for every p of the first five blocks of seven: the state
// before p is chosen, and the start found by stepping back.
TEST(Checksum, CarryOutOfThirtyTwoBitsAtEveryPosition)
{
    int carries = 0;
    for (Fill fill : {Fill::Random, Fill::Zeros, Fill::Ones}) {
        std::vector<unsigned char> data = Bytes(64, fill, 11);
        for (size_t p = 0; p < 35; ++p)
            for (int64_t above : {-2, -1, 0, 1, 2, 100}) {
                uint32_t before = static_cast<uint32_t>((uint64_t(1) << 32) + above - data[p] - Addend);
                uint32_t start = before;
                for (size_t i = p; i-- > 0;)
                    start = StepBack(start, data[i]);
                // The placement did what it says.
                uint32_t c = start;
                for (size_t i = 0; i < p; ++i)
                    StepCarries(c, data[i]);
                ASSERT_EQ(before, c);
                bool carried = StepCarries(c, data[p]);
                ASSERT_EQ(above >= 0, carried);
                carries += carried;
                for (size_t size = p + 1; size <= data.size(); ++size)
                    ASSERT_EQ(UpdateChecksumByteByByte(start, data.data(), size),
                              UpdateChecksum(start, data.data(), size))
                        << "carry at " << p << " (" << above << " above 2^32), size " << size;
            }
    }
    EXPECT_EQ(3 * 35 * 4, carries);
}

// Blocks whose weighted sum c + b0 + 2 b1 + ... + 64 b6 + 127 K lies on and
// around 2^32 + m K, where a carry inside the block becomes possible for the
// blocks whose sum ends in fewer or more one bits.
TEST(Checksum, BlockSumsAroundTheCarryBounds)
{
    Random random = {5};
    for (int round = 0; round < 20; ++round) {
        std::vector<unsigned char> data = Bytes(16, round == 0 ? Fill::Zeros : round == 1 ? Fill::Ones : Fill::Random,
                                                random.Next());
        uint64_t sum = uint64_t(127) * Addend;
        for (int i = 0; i < 7; ++i)
            sum += uint64_t(data[i]) << i;
        for (uint64_t m : {0, 64, 96, 112, 120, 124, 126})
            for (int64_t around = -130; around <= 130; ++around) {
                uint64_t e = (uint64_t(1) << 32) + m * Addend + around;
                if (e < sum || e - sum > 0xFFFFFFFFu)
                    continue;
                uint32_t start = static_cast<uint32_t>(e - sum);
                for (size_t size : {size_t(8), size_t(15), data.size()})
                    ASSERT_EQ(UpdateChecksumByteByByte(start, data.data(), size),
                              UpdateChecksum(start, data.data(), size))
                        << "m " << m << ", " << around << " around, size " << size;
            }
    }
}

// Some megabytes fed in pieces of random sizes, the way a copy feeds its
// chunks, give the checksum of the whole.
TEST(Checksum, PiecesGiveTheWhole)
{
    std::vector<unsigned char> data = Bytes(5u << 20, Fill::Random, 3);
    // Runs of equal bytes too, as real files have.
    std::fill(data.begin() + 1000000, data.begin() + 1300000, 0);
    std::fill(data.begin() + 2000000, data.begin() + 2100000, 0xFF);
    uint32_t whole = UpdateChecksumByteByByte(ChecksumStart, data.data(), data.size());
    Random random = {17};
    for (int pass = 0; pass < 3; ++pass) {
        uint32_t pieces = ChecksumStart;
        for (size_t at = 0; at < data.size();) {
            size_t piece = random.Next() % (pass == 0 ? 20 : pass == 1 ? 5000 : 400000);
            piece = std::min(piece, data.size() - at);
            pieces = UpdateChecksum(pieces, data.data() + at, piece);
            at += piece;
        }
        EXPECT_EQ(whole, pieces) << "pass " << pass;
    }
    EXPECT_EQ(whole, UpdateChecksum(ChecksumStart, data.data(), data.size()));
}

} // namespace
