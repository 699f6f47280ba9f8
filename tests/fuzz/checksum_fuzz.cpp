// Any bytes from any start, whole or in pieces: the seven-bytes-at-a-time
// checksum gives what the byte loop gives. The input's first four bytes are
// the start state, the next one says where to cut the rest into two pieces.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "setup/checksum.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 5)
        return 0;
    uint32_t start;
    memcpy(&start, data, sizeof start);
    size_t cut = data[4];
    data += 5;
    size -= 5;
    cut = size == 0 ? 0 : cut % (size + 1);
    uint32_t expected = UpdateChecksumByteByByte(start, data, size);
    if (UpdateChecksum(start, data, size) != expected)
        abort();
    if (UpdateChecksum(UpdateChecksum(start, data, cut), data + cut, size - cut) != expected)
        abort();
    return 0;
}
