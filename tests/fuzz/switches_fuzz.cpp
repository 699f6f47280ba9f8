// Any command line: taking a switch removes exactly its first occurrence,
// or changes nothing.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "base/product.h"
#include "program/switches.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const char* const switches[] = {UninstallSwitch, AutoplaySwitch, NoAutoplaySwitch, No3dfxSwitch, SafeSwitch};
    if (size == 0)
        return 0;
    const char* sw = switches[data[0] % 5];
    // As the system's copy would be: at most the buffer, up to an embedded NUL.
    std::string before(reinterpret_cast<const char*>(data + 1), strnlen(reinterpret_cast<const char*>(data + 1), std::min<size_t>(size - 1, CommandLineSize - 1)));
    char line[CommandLineSize];
    memcpy(line, before.c_str(), before.size() + 1);
    bool found = TakeSwitch(line, sw);
    std::string expected = before;
    if (before.find(sw) != std::string::npos)
        expected.erase(before.find(sw), strlen(sw));
    if (found != (before.find(sw) != std::string::npos) || expected != line)
        abort();
    return 0;
}
