// The seven-bytes-at-a-time checksum must give exactly what the byte loop
// gives, each way it can go; what it can get wrong is a carry out of 32
// bits, which random input seldom meets, so the carries are placed on
// purpose.
#include "setup/checksum.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint32_t Addend = 0x0195F513;

class Checksum : public testing::TestWithParam<ChecksumWay> {
    void SetUp() override { ChecksumWayInUse = GetParam(); }
    void TearDown() override { ChecksumWayInUse = ChecksumWayUnchosen; }
};

INSTANTIATE_TEST_SUITE_P(EveryWay, Checksum, testing::Values(ChecksumWayWide, ChecksumWayMmx, ChecksumWayPlain));

TEST_P(Checksum, KnownValues)
{
    const unsigned char abc[] = {'a', 'b', 'c'}, ff = 0xFF;
    EXPECT_EQ(0x0A3B4C15u, UpdateChecksum(ChecksumStart, abc, 0));
    EXPECT_EQ(0x62AAA049u, UpdateChecksum(ChecksumStart, abc, 3));
    EXPECT_EQ(0x80000000u, UpdateChecksum(0xFE6A09EFu, &ff, 1));   // wraps at 2^32, bit 0 rotates to 31
}

// The addition of the byte at p is made to end just below, at and just
// above 2^32, for every p of the first three blocks: the state before p is
// chosen and the start found by undoing the steps before it.
TEST_P(Checksum, CarryOutOfThirtyTwoBitsAtEveryPosition)
{
    for (int fill : {-1, 0, 0xFF}) {
        std::vector<unsigned char> data(40, static_cast<unsigned char>(fill));
        for (size_t i = 0; fill < 0 && i < data.size(); ++i)
            data[i] = static_cast<unsigned char>(i * 167 + 13);   // mixed bytes
        for (size_t p = 0; p < 21; ++p)
            for (int64_t above : {-1, 0, 1}) {
                uint32_t start = static_cast<uint32_t>((uint64_t(1) << 32) + above - data[p] - Addend);
                for (size_t i = p; i-- > 0;)
                    start = ((start << 1) | (start >> 31)) - data[i] - Addend;
                for (size_t size = p + 1; size <= data.size(); ++size) {
                    std::vector<unsigned char> piece(data.begin(), data.begin() + size);   // a read past it is seen
                    ASSERT_EQ(UpdateChecksumByteByByte(start, data.data(), size),
                              UpdateChecksum(start, piece.data(), size))
                        << "carry at " << p << " (" << above << " above 2^32), size " << size;
                }
            }
    }
}

} // namespace
