// Built natively and into the Windows tests.
#include "setup/checksum.h"

#include <gtest/gtest.h>

#include <string.h>

#include <vector>

namespace {

uint32_t ChecksumOf(const char* text)
{
    return UpdateChecksum(ChecksumStart, reinterpret_cast<const unsigned char*>(text), strlen(text));
}

TEST(Checksum, KnownValues)
{
    EXPECT_EQ(0x0A3B4C15u, ChecksumOf(""));
    EXPECT_EQ(0x85E8A0C4u, ChecksumOf("a"));
    EXPECT_EQ(0x62AAA049u, ChecksumOf("abc"));
}

TEST(Checksum, PiecesGiveTheSameAsTheWhole)
{
    std::vector<unsigned char> data(100000);
    uint32_t seed = 12345;
    for (unsigned char& b : data) {
        seed = seed * 1103515245u + 12345u;
        b = static_cast<unsigned char>(seed >> 24);
    }
    uint32_t whole = UpdateChecksum(ChecksumStart, data.data(), data.size());
    uint32_t pieces = ChecksumStart;
    for (size_t at = 0, step = 1; at < data.size(); at += step, step = step * 3 + 1)
        pieces = UpdateChecksum(pieces, data.data() + at, std::min(step, data.size() - at));
    EXPECT_EQ(whole, pieces);
    // Every byte value matters, 0xFF included: the sum carries out of 32 bits.
    const unsigned char ones[] = {0xFF, 0xFF, 0xFF};
    EXPECT_NE(UpdateChecksum(ChecksumStart, ones, 2), UpdateChecksum(ChecksumStart, ones, 3));
    // The addition wraps at 2^32, and the rotation carries bit 0 to bit 31.
    const unsigned char byte = 0xFF;
    EXPECT_EQ(0u, UpdateChecksum(0xFE6A09EEu, &byte, 1));
    EXPECT_EQ(0x80000000u, UpdateChecksum(0xFE6A09EFu, &byte, 1));
}

} // namespace
