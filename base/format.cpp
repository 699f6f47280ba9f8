#include "base/format.h"

#include "base/path_chars.h"

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
    // memchr, not strnlen: the run-time's msvcrt has it on every Windows.
    const char* end = static_cast<const char*>(memchr(buf, '\0', size));
    if (end == nullptr)
        return false;
    size_t used = static_cast<size_t>(end - buf);
    va_list args;
    va_start(args, format);
    bool fit = FormatIntoV(buf + used, size - used, format, args);
    va_end(args);
    return fit;
}

void ShortenInto(char* buf, size_t size, const char* text)
{
    constexpr char Ellipsis[] = "...";
    size_t length = strlen(text);
    if (length < size) {
        memcpy(buf, text, length + 1);
        return;
    }
    size_t room = size - 1 - (sizeof Ellipsis - 1);
    // The end of the last path: from its last backslash, at most half the
    // room; both cuts between characters.
    const char* lastSlash = FindLastBackslash(text);
    size_t tail = lastSlash == nullptr ? 0 : length - static_cast<size_t>(lastSlash - text);
    const char* tailStart = text;
    while (static_cast<size_t>(tailStart - text) < length - (tail > room / 2 ? room / 2 : tail))
        tailStart = NextChar(tailStart);
    tail = length - static_cast<size_t>(tailStart - text);
    size_t head = FitChars(text, room - tail);
    memcpy(buf, text, head);
    memcpy(buf + head, Ellipsis, sizeof Ellipsis - 1);
    memcpy(buf + head + sizeof Ellipsis - 1, text + length - tail, tail + 1);
}
