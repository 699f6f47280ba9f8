// The checksum's speed natively, each way it can go against the byte loop
// it must match, in one run: bytes per second and cycles per byte
// (time-stamp counter) over 64 MB, best of seven, on random bytes (what
// most game data looks like) and on zeros. The 64 MB are one 256 KB chunk
// over and over, in the cache as a chunk just read is in the copy: the
// figure is the checksum's, not the memory's. The 32-bit build's ways
// run here as 64-bit code of the same 32-bit operations.
#include <stdint.h>
#include <stdio.h>
#include <time.h>
#include <x86intrin.h>

#include <vector>

#include "setup/checksum.h"

namespace {

using ChecksumMethod = uint32_t (*)(uint32_t, const unsigned char*, size_t);

constexpr unsigned Passes = 256;   // of 256 KB: 64 MB

struct Figure {
    double megabytesPerSecond, cyclesPerByte;
    uint32_t checksum;
};

Figure Measure(ChecksumMethod method, const std::vector<unsigned char>& data)
{
    Figure best = {0, 1e18, 0};
    for (int round = 0; round < 7; ++round) {
        const unsigned char* bytes = data.data();
        __asm__ volatile("" : "+r"(bytes)::"memory");   // no hoisting out of the timing
        timespec from, to;
        clock_gettime(CLOCK_MONOTONIC, &from);
        unsigned long long start = __rdtsc();
        uint32_t checksum = ChecksumStart;
        for (unsigned pass = 0; pass < Passes; ++pass)
            checksum = method(checksum, bytes, data.size());
        __asm__ volatile("" : "+r"(checksum)::"memory");
        unsigned long long cycles = __rdtsc() - start;
        clock_gettime(CLOCK_MONOTONIC, &to);
        double seconds = static_cast<double>(to.tv_sec - from.tv_sec) + (to.tv_nsec - from.tv_nsec) / 1e9;
        double total = static_cast<double>(data.size()) * Passes, megabytes = total / 1048576.0;
        if (megabytes / seconds > best.megabytesPerSecond)
            best.megabytesPerSecond = megabytes / seconds;
        if (static_cast<double>(cycles) / total < best.cyclesPerByte)
            best.cyclesPerByte = static_cast<double>(cycles) / total;
        best.checksum = checksum;
    }
    return best;
}

} // namespace

int main()
{
    std::vector<unsigned char> random(256u << 10), zeros(256u << 10, 0);
    uint32_t seed = 1;
    for (unsigned char& b : random) {
        seed = seed * 1103515245u + 12345u;
        b = static_cast<unsigned char>(seed >> 24);
    }
    bool exact = true;
    const struct {
        ChecksumWay way;
        const char* label;
    } ways[] = {{ChecksumWayWide, "64-bit registers (the x86_64 build)"},
                {ChecksumWayMmx, "32-bit registers, MMX weighing (the i686 build)"},
                {ChecksumWayPlain, "32-bit registers, no MMX (the i686 build on older processors)"}};
    printf("checksum, native, 64 MB    %-24s %-24s %s\n", "byte by byte", "seven bytes at a time", "speed-up");
    for (const auto& way : ways) {
        ChecksumWayInUse = way.way;
        printf(" %s\n", way.label);
        for (const auto* data : {&random, &zeros}) {
            Figure reference = Measure(UpdateChecksumByteByByte, *data);
            Figure fast = Measure(UpdateChecksum, *data);
            exact = exact && reference.checksum == fast.checksum;
            printf("  %-24s %5.0f MB/s %4.2f c/B     %5.0f MB/s %4.2f c/B     %.2f%s\n",
                   data == &random ? "random bytes" : "zeros", reference.megabytesPerSecond,
                   reference.cyclesPerByte, fast.megabytesPerSecond, fast.cyclesPerByte,
                   reference.cyclesPerByte / fast.cyclesPerByte,
                   reference.checksum == fast.checksum ? "" : "  DIFFERENT RESULTS");
        }
    }
    printf("  (c/B: cycles of the time-stamp counter per byte)\n");
    return exact ? 0 : 1;
}
