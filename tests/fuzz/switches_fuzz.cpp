// Any command line: taking a switch removes exactly its first occurrence,
// or changes nothing; reading Setup's switches only blanks words out of it,
// and leaves the game's line as it is.
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
    std::string before(reinterpret_cast<const char*>(data + 1),
        strnlen(reinterpret_cast<const char*>(data + 1), std::min<size_t>(size - 1, CommandLineSize - 1)));
    char line[CommandLineSize];
    memcpy(line, before.c_str(), before.size() + 1);
    bool found = TakeSwitch(line, sw);
    std::string expected = before;
    if (before.find(sw) != std::string::npos)
        expected.erase(before.find(sw), strlen(sw));
    if (found != (before.find(sw) != std::string::npos) || expected != line)
        abort();

    memcpy(line, before.c_str(), before.size() + 1);
    SetupChoices choices;
    char refused[CommandLineSize];
    SwitchesRead read = ReadSetupSwitches(line, &choices, refused);
    for (size_t at = 0; at <= before.size(); ++at)
        if (line[at] != before[at] && (line[at] != ' ' || read == SwitchesRead::ForTheGame))
            abort();
    if (strnlen(choices.dataDir, PathSize) == PathSize || strnlen(choices.log, PathSize) == PathSize ||
        (read == SwitchesRead::Refused && strnlen(refused, CommandLineSize) == CommandLineSize))
        abort();
    return 0;
}
