// Any checksum list: the reader ends, writes nothing past the table or a
// name, and what it returns fits the limits and stays in its folder.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "setup/checksum_list_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* list = fmemopen(const_cast<uint8_t*>(data), size, "r");
    if (list == nullptr)
        return 0;
    static ChecksumEntry table[MaxChecksumEntries];
    int count = -1, line = -1;
    ListProblem problem;
    bool ok = ReadChecksumList(list, table, &count, &problem, &line);
    fclose(list);
    if (count < 0 || count > MaxChecksumEntries || (ok && problem != ListProblem::None) ||
        (!ok && problem == ListProblem::None))
        abort();
    for (int i = 0; i < count; ++i) {
        size_t length = strnlen(table[i].name, sizeof table[i].name);
        if (length == 0 || length > static_cast<size_t>(MaxChecksumName) ||
            strpbrk(table[i].name, " \t\n:") != nullptr || strstr(table[i].name, "..\\") == table[i].name)
            abort();
    }
    return 0;
}
