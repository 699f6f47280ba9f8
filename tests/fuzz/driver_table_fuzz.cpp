// Any driver table: the reader ends, reads nothing out of bounds, and
// leaves the listed version alone unless it found the device.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "preflight/driver_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes pick the chip, so small ids that the text can name
    // come up often.
    unsigned vendor = data[0], device = data[1];
    FILE* table = fmemopen(const_cast<uint8_t*>(data + 2), size - 2, "r");
    if (table == nullptr)
        return 0;
    unsigned listed[4] = {0xA5A5A5A5, 0xA5A5A5A5, 0xA5A5A5A5, 0xA5A5A5A5};
    bool found = FindListedDriver(table, vendor, device, listed);
    fclose(table);
    if (!found &&
        (listed[0] != 0xA5A5A5A5 || listed[1] != 0xA5A5A5A5 || listed[2] != 0xA5A5A5A5 || listed[3] != 0xA5A5A5A5))
        abort();
    const unsigned installed[4] = {1, 2, 3, 4};
    IsVersionAtLeast(installed, listed);
    return 0;
}
