#include "launcher/format.h"

#include <stdio.h>
#include <string.h>

bool FormatIntoV(char* buf, size_t size, const char* format, va_list args)
{
    if (size == 0)
        return false;
#if defined(_WIN32)
    // msvcrt's _vsnprintf returns -1 on a cut and then leaves no terminator;
    // a text of exactly size characters also comes back unterminated.
    int written = _vsnprintf(buf, size, format, args);
#else
    int written = vsnprintf(buf, size, format, args);
#endif
    buf[size - 1] = '\0';
    return written >= 0 && static_cast<size_t>(written) < size;
}

bool FormatInto(char* buf, size_t size, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    bool fit = FormatIntoV(buf, size, format, args);
    va_end(args);
    return fit;
}

bool AppendInto(char* buf, size_t size, const char* format, ...)
{
    size_t used = strnlen(buf, size);
    if (used >= size)
        return false;
    va_list args;
    va_start(args, format);
    bool fit = FormatIntoV(buf + used, size - used, format, args);
    va_end(args);
    return fit;
}
