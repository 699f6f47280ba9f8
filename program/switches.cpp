#include "program/switches.h"

#include <string.h>

bool TakeSwitch(char* commandLine, const char* sw)
{
    size_t length = strlen(sw);
    if (length == 0)
        return false;
    char* found = strstr(commandLine, sw);
    if (found == nullptr)
        return false;
    // Overlapping move: the tail, terminator included, slides over the switch.
    memmove(found, found + length, strlen(found + length) + 1);
    return true;
}
