// Any command line: taking a switch removes exactly its first occurrence,
// or changes nothing.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "launcher/product.h"
#include "launcher/switches.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const char* const switches[] = {UninstallSwitch, AutoplaySwitch, NoAutoplaySwitch, No3dfxSwitch, SafeSwitch};
    if (size == 0)
        return 0;
    const char* sw = switches[data[0] % 5];
    char line[CommandLineSize];
    size_t length = size - 1 < sizeof line - 1 ? size - 1 : sizeof line - 1;
    memcpy(line, data + 1, length);
    line[length] = '\0';
    length = strlen(line);   // stops at an embedded NUL, as the system's copy would

    char before[CommandLineSize];
    memcpy(before, line, length + 1);
    const char* first = strstr(before, sw);
    bool found = TakeSwitch(line, sw);
    if (found != (first != nullptr))
        abort();
    if (!found) {
        if (strcmp(before, line) != 0)
            abort();
        return 0;
    }
    size_t at = static_cast<size_t>(first - before);
    size_t swLength = strlen(sw);
    if (strlen(line) != length - swLength || memcmp(line, before, at) != 0 ||
        strcmp(line + at, before + at + swLength) != 0)
        abort();
    return 0;
}
